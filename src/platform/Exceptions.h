#pragma once
// Exception classes of the runtime the program is written against.
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString& message) : m_message(message), m_utf8(message.toUtf8()) {}
    const QString& Message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is no number of the wanted kind.
class EConvertError : public Exception { using Exception::Exception; };
// A profile (INI) file that cannot be read back or written.
class EIniFileException : public Exception { using Exception::Exception; };
// A file that cannot be opened, read or written.
class EInOutError : public Exception { using Exception::Exception; };
// A form resource that does not parse; the message names file, line and reason.
class EFormResourceError : public Exception { using Exception::Exception; };

// Floating-point failures (invalid operation, division by zero, overflow).
class EMathError : public Exception { using Exception::Exception; };
class EInvalidOp : public EMathError { using EMathError::EMathError; };
class EZeroDivide : public EMathError { using EMathError::EMathError; };
class EOverflow : public EMathError { using EMathError::EMathError; };
