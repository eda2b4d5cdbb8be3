#ifndef ZARN_TESTS_MESSAGECAPTURE_H
#define ZARN_TESTS_MESSAGECAPTURE_H

// Records what the code under test writes to Qt's message log, with the
// level and whether any source location came along.

#include <QList>
#include <QString>
#include <QtGlobal>

struct CapturedMessage
{
    QtMsgType type;
    QString text;
    bool hasLocation;

    bool operator==(const CapturedMessage &other) const { return type == other.type && text == other.text && hasLocation == other.hasLocation; }
};

class MessageCapture
{
public:
    MessageCapture()
        : m_previous(qInstallMessageHandler(&MessageCapture::handler))
    {
        s_messages.clear();
    }
    ~MessageCapture() { qInstallMessageHandler(m_previous); }
    Q_DISABLE_COPY(MessageCapture)

    QList<CapturedMessage> taken() const { return s_messages; }

    static CapturedMessage debug(const QString &text) { return {QtDebugMsg, text, false}; }
    static CapturedMessage critical(const QString &text) { return {QtCriticalMsg, text, false}; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        s_messages.append({type, text, context.file || context.line || context.function});
    }

    static inline QList<CapturedMessage> s_messages;
    const QtMessageHandler m_previous;
};

inline char *toString(const CapturedMessage &message)
{
    static const char *const levels[] = {"debug", "warning", "critical", "fatal", "info"};
    return qstrdup(QByteArray(levels[message.type]) + ": \"" + message.text.toUtf8() + '"' + (message.hasLocation ? " (with location)" : ""));
}

#endif
