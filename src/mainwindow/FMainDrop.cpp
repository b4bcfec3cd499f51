// Files and directories dropped from the file manager onto the result list
// or the nothing-found notice.

#include "mainwindow/FMain.h"

#include "hostdata/InstallationPath.h"
#include "hostdata/SearchContext.h"
#include "hostdata/Searches.h"
#include "startup/ModuleState.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The dropped local files and directories in Windows form, in the order the
// drop gives them; anything else that came along is ignored.
QStringList DroppedNames(const QMimeData* data)
{
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    const QList<QUrl> urls = data->urls();
    names.reserve(urls.size());
    const InstallationPath installation(gMod.gtResBase);
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            names.append(installation.FromNative(url.toLocalFile()));
    }
    return names;
}

// A drop copies: the source never loses what was dragged onto the list.
bool AcceptAsCopy(QDropEvent* event)
{
    if (!(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

} // namespace

// The drag-and-drop events of the two drop targets; true when handled.
bool FMain::DropTargetEvent(bool onNotice, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        AcceptAsCopy(static_cast<QDropEvent*>(event));
        return true;
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!AcceptAsCopy(drop))
            return true;
        const bool shift = drop->modifiers().testFlag(Qt::ShiftModifier);
        if (onNotice)
            lblNothingFound_OLEDragDrop(drop->mimeData(), shift);
        else
            lbModels_OLEDragDrop(drop->mimeData(), shift);
        return true;
    }
    default:
        return false;
    }
}

void FMain::lbModels_OLEDragDrop(const QMimeData* data, bool shift)
{
    cbModel->setEditText(QString());
    FilelistDropped(data, shift);
}

void FMain::lblNothingFound_OLEDragDrop(const QMimeData* data, bool shift)
{
    FilelistDropped(data, shift);
}

void FMain::FilelistDropped(const QMimeData* data, bool shift)
{
    if (SearchRunning())
        return;
    try {
        // Shift extends the list for this one drop without ticking the box.
        gMod.gbExtend = shift || chkExtend->isChecked();
        const QStringList names = DroppedNames(data);
        // Replaces or extends the catalogue, then settles sections and repeats.
        const auto scan = [names](SearchContext& context) { Searches::Dropped(context.models, names); };
        RunSearch(QStringLiteral("FMain.FilelistDropped"), scan, ListTakeOver(1));
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistDropped"));
    }
}
