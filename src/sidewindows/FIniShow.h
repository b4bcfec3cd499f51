#pragma once

#include <QDialog>

// "Kluni - ini-Probleme": the model ini files that the last search could not
// open or found without a name entry. Shown modally.
class FIniShow : public QDialog {
    Q_OBJECT
public:
    explicit FIniShow(QWidget* parent = nullptr);
    ~FIniShow() override;
};
