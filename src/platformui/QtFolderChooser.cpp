#include "platformui/QtFolderChooser.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Places a user of Wine looks first: home, the default prefix's drive C: and
// the folder where game launchers keep their prefixes.
QList<QUrl> SidebarPlaces()
{
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath()), QUrl::fromLocalFile(QDir::rootPath())};
    for (const QString& relative : {QStringLiteral(".wine/drive_c"), QStringLiteral(".local/share")}) {
        const QString path = QDir::home().filePath(relative);
        if (QDir(path).exists())
            places << QUrl::fromLocalFile(path);
    }
    return places;
}

QFileDialog* FolderView(const QDialog& dialog)
{
    return dialog.findChild<QFileDialog*>(QStringLiteral("folderView"));
}

} // namespace

std::unique_ptr<QDialog> QtFolderChooser::MakeDialog(const QString& title, const QString& explanation)
{
    auto dialog = std::make_unique<QDialog>(QApplication::activeWindow());
    dialog->setObjectName(QStringLiteral("folderChooser"));
    dialog->setWindowTitle(title);

    auto* text = new QLabel(explanation, dialog.get());
    text->setObjectName(QStringLiteral("lblExplanation"));
    text->setWordWrap(true);

    // Qt's own file dialog, embedded as a widget below the explanation.
    auto* view = new QFileDialog(dialog.get(), title, QDir::homePath());
    view->setObjectName(QStringLiteral("folderView"));
    view->setWindowFlags(Qt::Widget);
    view->setOption(QFileDialog::DontUseNativeDialog);
    view->setFileMode(QFileDialog::Directory);
    view->setOption(QFileDialog::ShowDirsOnly);
    view->setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Drives);
    view->setSidebarUrls(SidebarPlaces());
    // The program speaks German even where Qt's own dialog texts are not translated.
    view->setLabelText(QFileDialog::LookIn, QCoreApplication::translate("QtFolderChooser", "Suchen in:"));
    view->setLabelText(QFileDialog::FileName, QCoreApplication::translate("QtFolderChooser", "Ordner:"));
    view->setLabelText(QFileDialog::Accept, QCoreApplication::translate("QtFolderChooser", "&Wählen"));
    view->setLabelText(QFileDialog::Reject, QCoreApplication::translate("QtFolderChooser", "Abbrechen"));
    // Only folders are listed, so the choice of file types says nothing.
    for (const char* name : {"fileTypeLabel", "fileTypeCombo"}) {
        if (auto* widget = view->findChild<QWidget*>(QString::fromLatin1(name)))
            widget->hide();
    }
    QObject::connect(view, &QDialog::finished, dialog.get(), &QDialog::done);

    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(text);
    layout->addWidget(view);
    dialog->resize(760, 520);
    return dialog;
}

QString QtFolderChooser::ChosenFolder(const QDialog& dialog)
{
    const QFileDialog* view = FolderView(dialog);
    if (dialog.result() != QDialog::Accepted || view == nullptr)
        return QString();
    return view->selectedFiles().value(0);
}

QString QtFolderChooser::ChooseFolder(const QString& title, const QString& explanation)
{
    const std::unique_ptr<QDialog> dialog = MakeDialog(title, explanation);
    if (m_driver)
        m_driver(*dialog);
    else
        dialog->exec();
    return ChosenFolder(*dialog);
}
