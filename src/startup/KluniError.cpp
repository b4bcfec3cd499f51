#include "startup/KluniError.h"
#include <QCoreApplication>

KluniError::KluniError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

KluniError KluniError::Overflow()
{
    return KluniError(6, QCoreApplication::translate("KluniError", "Überlauf"));
}

KluniError KluniError::OutOfMemory()
{
    return KluniError(7, QCoreApplication::translate("KluniError", "Nicht genügend Speicher"));
}

KluniError KluniError::SubscriptOutOfRange()
{
    return KluniError(9, QCoreApplication::translate("KluniError", "Index außerhalb des gültigen Bereichs"));
}
