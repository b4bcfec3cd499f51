#pragma once

#include <QDialog>

// "Info": what Kluni is, its version, and the way to the handbook. Shown modally.
class FAbout : public QDialog {
    Q_OBJECT
public:
    explicit FAbout(QWidget* parent = nullptr);
    ~FAbout() override;
};
