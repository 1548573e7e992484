#pragma once

#include <QList>
#include <QMap>
#include <QString>

// The program's own version information. Linux executables carry no version resource, so the
// program keeps the same structure built in: a translation list (language and code page pairs,
// the "\VarFileInfo\Translation" entry) and string entries keyed by their full path, such as
// "\StringFileInfo\040704E4\FileVersion". Tests build blocks of their own to look up.
class VersionInfo
{
public:
    struct Translation
    {
        quint16 language = 0;
        quint16 codePage = 0;
    };

    // The version information of this program: German (0x0407), code page 1252 (0x04E4),
    // file version "25.12.0.0".
    static VersionInfo programVersionInfo();

    // Appends a translation; the first one added is the one a lookup uses.
    void addTranslation(quint16 language, quint16 codePage);
    // Sets the string stored under the full key; replaces an earlier value.
    void setString(const QString &key, const QString &value);

    // True when the block holds neither a translation nor a string: the counterpart of a file
    // without version information.
    bool isEmpty() const;
    const QList<Translation> &translations() const { return m_translations; }
    // The string under key; false (and value untouched) when the key has no value.
    bool queryValue(const QString &key, QString *value) const;

    // "\StringFileInfo\" + language and code page as four upper-case hex digits each + "\" + name.
    static QString stringKey(const Translation &translation, const QString &name);

private:
    QList<Translation> m_translations;
    QMap<QString, QString> m_strings;
};

// The text "-- n.Vers." that stands for a missing file version.
QString MissingFileVersionText();

// The file version text of the block: the file version string of its first translation, cut to
// 10 characters; MissingFileVersionText() when the block has no translation or that string is
// missing. When programFilePath names no existing file, or the block is empty, previousText
// comes back unchanged.
QString LookUpFileVersion(const QString &programFilePath, const VersionInfo &block,
                          const QString &previousText);
