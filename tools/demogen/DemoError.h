#pragma once

#include <QString>
#include <stdexcept>

// A failure of the generator that ends it with a message (a path that cannot
// be written, options that cannot be met).
class DemoError : public std::runtime_error {
public:
    explicit DemoError(const QString& message) : std::runtime_error(message.toStdString()) {}
};
