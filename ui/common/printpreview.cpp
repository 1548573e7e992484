#include "printpreview.h"

#include "appinfo.h"
#include "printpainter.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// Qt's preview puts its tool buttons out of the keyboard's reach; its print action is the first
// of the last action group it makes, and Strg+P there prints as it does in the main window.
void GivePrintActionItsKey(QPrintPreviewDialog &preview)
{
    const QList<QActionGroup *> groups = preview.findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly);
    if (groups.isEmpty() || groups.last()->actions().isEmpty())
        return;
    QAction *print = groups.last()->actions().first();
    if (print->text() != QCoreApplication::translate("QPrintPreviewDialog", "Print"))
        return;
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print->setShortcutContext(Qt::WindowShortcut);
}

} // namespace

void ShowPrintPreview(const PrintDocument &document, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(PrintPageLayout());
    printer.setDocName(document.title);
    printer.setCreator(AppTitle());
    QPrintPreviewDialog preview(&printer, parent);
    GivePrintActionItsKey(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter *target) { PaintPrintDocument(*target, document); });
    preview.exec();
}
