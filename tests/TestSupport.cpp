#include "TestSupport.h"

#include <csignal>
#include <sys/resource.h>

#include "Language.h"
#include "Places.h"
#include "Settings.h"

#include <QFile>
#include <QTest>

ProgramFolder::ProgramFolder()
{
    setProgramFolder(m_dir.path());
}

ProgramFolder::~ProgramFolder()
{
    setProgramFolder(QString());
}

void ProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

ErrorRecorder::ErrorRecorder(ErrAnswer fallback) : m_fallback(fallback)
{
    m_previousHandler = setErrorHandler([this](const ErrorReport &report) {
        m_errors.append({report.module, report.procedure, report.error.number(), report.line});
        return m_script.isEmpty() ? m_fallback : m_script.takeFirst();
    });
    m_previousEnd = setProgramEnd([this] { ++m_ends; });
}

ErrorRecorder::~ErrorRecorder()
{
    setErrorHandler(m_previousHandler);
    setProgramEnd(m_previousEnd);
}

QByteArray builtLanguageTable()
{
    QFile f(QStringLiteral(":/res/custom/1000"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void installLanguageTable(const QString &folder)
{
    const QString path = folder + QStringLiteral("/~tmp.lng");
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(builtLanguageTable());
    setLangFilePath(path);
}

EnvironmentValue::EnvironmentValue(const char *name, const QByteArray &value)
    : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

EnvironmentValue::~EnvironmentValue()
{
    if (m_had)
        qputenv(m_name, m_old);
    else
        qunsetenv(m_name);
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_before = limit.rlim_cur;
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = rlim_t(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("the file size limit could not be lowered");
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_before);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_handler);
}
