#pragma once

#include <QString>
#include <stdexcept>

// A run-time error with a number and a description, as the error reports show
// them ("Fehler 6: Überlauf").
class KluniError : public std::runtime_error {
public:
    KluniError(int number, const QString& description);

    int Number() const { return m_number; }
    const QString& Description() const { return m_description; }

    static KluniError Overflow();             // 6
    static KluniError OutOfMemory();          // 7
    static KluniError SubscriptOutOfRange();  // 9

private:
    int m_number;
    QString m_description;
};
