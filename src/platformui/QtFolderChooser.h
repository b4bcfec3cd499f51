#pragma once

#include "platform/FolderChooser.h"

#include <QDialog>
#include <functional>
#include <memory>

// The program's folder chooser: a modal dialog with the explanation above a
// folder view that also shows hidden folders (Wine prefixes live in them).
class QtFolderChooser : public FolderChooser {
public:
    QString ChooseFolder(const QString& title, const QString& explanation) override;

    // The dialog as ChooseFolder shows it, owned by the active window.
    static std::unique_ptr<QDialog> MakeDialog(const QString& title, const QString& explanation);
    // The folder the dialog was accepted with, or an empty string.
    static QString ChosenFolder(const QDialog& dialog);

    // Hands each dialog to the driver instead of running its modal loop; the
    // driver accepts or rejects it (tests).
    void SetDriver(std::function<void(QDialog&)> driver) { m_driver = std::move(driver); }

private:
    std::function<void(QDialog&)> m_driver;
};
