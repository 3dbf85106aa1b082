#include "StartupPrefetch.h"

#include "ModResFiles.h"

#include <QFontDatabase>
#include <QGuiApplication>

StartupPrefetch::StartupPrefetch() : m_worker([this](std::stop_token stop) { run(stop); })
{
    setPictureSource([this](const QString &path) { return takePicture(path); });
}

StartupPrefetch::~StartupPrefetch()
{
    setPictureSource({});
    m_worker.request_stop();
    m_changed.notify_all();
}

void StartupPrefetch::addPictures(const QStringList &paths)
{
    {
        std::lock_guard lock(m_mutex);
        for (const QString &path : paths)
            m_queue.push_back({path});
    }
    m_changed.notify_all();
}

void StartupPrefetch::addFontDatabase()
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back({});
    }
    m_changed.notify_all();
}

std::optional<QImage> StartupPrefetch::takePicture(const QString &path)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_decoding != path; });
    if (const auto done = m_decoded.constFind(path); done != m_decoded.cend()) {
        QImage image = *done;
        m_decoded.erase(done);
        return image;
    }
    std::erase_if(m_queue, [&](const Task &task) { return task.picture == path; });
    return std::nullopt;
}

void StartupPrefetch::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_queue.empty() && !m_busy; });
}

void StartupPrefetch::run(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, stop, [&] { return !m_queue.empty(); });
        if (stop.stop_requested())
            return;
        const Task task = m_queue.front();
        m_queue.pop_front();
        m_busy = true;
        m_decoding = task.picture;
        lock.unlock();
        QImage image;
        if (task.picture.isEmpty())
            // The first question reads every installed font; this one reads no more than that
            // and resolves the family the windows use.
            QFontDatabase::hasFamily(QGuiApplication::font().family());
        else
            image = decodePicture(task.picture);
        lock.lock();
        if (!image.isNull())
            m_decoded.insert(task.picture, image);
        m_decoding.clear();
        m_busy = false;
        m_changed.notify_all();
    }
}
