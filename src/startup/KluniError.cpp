#include "startup/KluniError.h"

KluniError::KluniError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

KluniError KluniError::Overflow()
{
    return KluniError(6, QStringLiteral("Überlauf"));
}

KluniError KluniError::OutOfMemory()
{
    return KluniError(7, QStringLiteral("Nicht genügend Speicher"));
}

KluniError KluniError::SubscriptOutOfRange()
{
    return KluniError(9, QStringLiteral("Index außerhalb des gültigen Bereichs"));
}
