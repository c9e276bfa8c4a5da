#pragma once

#include <QString>

#include <stdexcept>

// Base of the program's own errors; the message is meant to be shown to the user as is.
class EVelornError : public std::runtime_error {
  public:
    explicit EVelornError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

  private:
    QString message_;
};

// A file that does not parse, or that cannot be written.
class EXMLError : public EVelornError {
  public:
    using EVelornError::EVelornError;
};

// A stored value that does not convert to the number asked for.
class EConvertError : public EVelornError {
  public:
    using EVelornError::EVelornError;
};
