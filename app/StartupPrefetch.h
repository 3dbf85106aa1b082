// Start-up work done on the second core while the main thread connects to the display and
// builds the first windows: decoding the pictures those windows show first, and filling the
// font database. Whatever was not done ahead in time is done by its user, as without it.
#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

class StartupPrefetch
{
public:
    // Starts the worker and becomes the first place ModResFiles looks for a picture.
    StartupPrefetch();
    // Lets the task in progress finish, drops the rest and what was never taken.
    ~StartupPrefetch();
    StartupPrefetch(const StartupPrefetch &) = delete;
    StartupPrefetch &operator=(const StartupPrefetch &) = delete;

    // Queues resource paths of pictures to decode, in the order they will be wanted.
    void addPictures(const QStringList &paths);
    // Queues filling the font database; needs the application object to exist.
    void addFontDatabase();

    // The picture decoded from path, handed out once. Waits only while it is being decoded; a
    // picture still queued is dropped from the queue and left to the caller, so that the main
    // thread never waits behind other work.
    std::optional<QImage> takePicture(const QString &path);

    // Blocks until the queue is empty (tests, benchmarks).
    void waitUntilIdle();

private:
    struct Task
    {
        QString picture; // empty: the font database
    };
    void run(std::stop_token stop);

    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    std::deque<Task> m_queue;
    QHash<QString, QImage> m_decoded;
    QString m_decoding;
    bool m_busy = false;
    std::jthread m_worker; // last: starts once the members above exist
};
