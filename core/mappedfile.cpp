#include "mappedfile.h"

#include <cerrno>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 ModificationNs(const struct stat &info)
{
    return qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

} // namespace

MappedFile::MappedFile(int descriptor, qint64 size) : m_descriptor(descriptor), m_size(size)
{
    struct stat info = {};
    if (m_size <= 0 || ::fstat(m_descriptor, &info) != 0)
        return;
    m_mtimeNs = ModificationNs(info);
    void *data = ::mmap(nullptr, size_t(m_size), PROT_READ, MAP_PRIVATE, m_descriptor, 0);
    if (data != MAP_FAILED)
        m_data = static_cast<char *>(data);
    else
        m_copy = readAnew(); // where the system cannot map the file, it is read as any other
}

MappedFile::~MappedFile()
{
    if (m_data != nullptr)
        ::munmap(m_data, size_t(m_size));
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QByteArray MappedFile::view() const
{
    return m_data != nullptr ? QByteArray::fromRawData(m_data, m_size) : m_copy;
}

void MappedFile::releaseResidentPages() const
{
    // The mapping is private and never written, so its pages are the cache's own and dropping
    // them loses nothing.
    if (m_data != nullptr)
        ::madvise(m_data, size_t(m_size), MADV_DONTNEED);
}

bool MappedFile::unchangedSinceMapped() const
{
    struct stat info = {};
    return ::fstat(m_descriptor, &info) == 0 && qint64(info.st_size) == m_size && ModificationNs(info) == m_mtimeNs;
}

QByteArray MappedFile::bytesForReading() const
{
    // A file replaced by renaming another over it (how this program and installers write) keeps
    // the mapped one unchanged; only a write into the very file changes what is mapped, and
    // reading a mapped page past a shortened end would end the program.
    if (m_data == nullptr)
        return m_copy;
    return unchangedSinceMapped() ? view() : readAnew();
}

QByteArray MappedFile::readAnew() const
{
    struct stat info = {};
    if (::fstat(m_descriptor, &info) != 0 || info.st_size <= 0)
        return QByteArray();
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::pread(m_descriptor, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
}
