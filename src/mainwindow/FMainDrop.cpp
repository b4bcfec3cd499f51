// Files and directories dropped from the file manager onto the result list
// or the nothing-found notice.

#include "mainwindow/FMain.h"

#include "hostdata/InstallationPath.h"
#include "hostdata/Searches.h"
#include "mainwindow/SearchOwner.h"
#include "startup/modTools.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The dropped local files and directories in Windows form, in the order the
// drop gives them; anything else that came along is ignored.
QStringList DroppedNames(const QMimeData* data, const QString& resBase)
{
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    const QList<QUrl> urls = data->urls();
    names.reserve(urls.size());
    const InstallationPath installation(resBase);
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

// The drag-and-drop events of the two drop targets; true when handled. The
// names are taken from the drop at once; a drop while a search runs is
// handled (the name box emptied too) when the search has ended.
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
        if (!m_installation)
            return true;
        const bool shift = drop->modifiers().testFlag(Qt::ShiftModifier);
        const QStringList names = DroppedNames(drop->mimeData(), m_installation->gtResBase);
        m_searchOwner->WhenIdle([this, onNotice, names, shift] {
            if (onNotice)
                lblNothingFound_OLEDragDrop(names, shift);
            else
                lbModels_OLEDragDrop(names, shift);
        });
        return true;
    }
    default:
        return false;
    }
}

void FMain::lbModels_OLEDragDrop(const QStringList& names, bool shift)
{
    cbModel->setEditText(QString());
    FilelistDropped(names, shift);
}

void FMain::lblNothingFound_OLEDragDrop(const QStringList& names, bool shift)
{
    FilelistDropped(names, shift);
}

void FMain::FilelistDropped(const QStringList& names, bool shift)
{
    try {
        // Shift extends the list for this one drop without ticking the box.
        const bool gbExtend = shift || chkExtend->isChecked();
        // Replaces or extends the catalogue, then settles sections and repeats.
        const auto scan = [input = NewSearchInput(gbExtend, false), names](SearchProgress& progress) mutable {
            return Searches::Dropped(std::move(input), progress, names);
        };
        RunSearch(QStringLiteral("FMain.FilelistDropped"), scan, ListTakeOver(1));
    } catch (...) {
        ReportError(QStringLiteral("FMain.FilelistDropped"));
    }
}
