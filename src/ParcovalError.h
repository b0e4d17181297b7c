#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure the user is told about: it carries the French text the error report shows. Every
// layer raises it or a kind of it; the window's one guard shows it.
class ParcovalError : public std::exception {
public:
    explicit ParcovalError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
