#include "shell/StartupWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <system_error>

namespace {
std::atomic<TStartupWarmUp *> Running{nullptr};
}

TStartupWarmUp::TStartupWarmUp()
{
    TStartupWarmUp *none = nullptr;
    // One warm-up at a time; a second object does nothing.
    if (!Running.compare_exchange_strong(none, this))
        return;
    try {
        m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error &) {
        // No thread to be had: everything starts on first use, as in any program.
        Running = nullptr;
    }
}

TStartupWarmUp::~TStartupWarmUp()
{
    Stop();
}

void TStartupWarmUp::ApplicationReady()
{
    std::lock_guard lock(m_mutex);
    if (m_state == TState::Waiting) {
        m_state = TState::Ready;
        m_changed.notify_all();
    }
}

void TStartupWarmUp::WaitForFonts()
{
    if (TStartupWarmUp *warmUp = Running.load()) {
        std::unique_lock lock(warmUp->m_mutex);
        if (warmUp->m_state == TState::Waiting) {
            // The application object is never announced: the worker has nothing more to do.
            warmUp->m_state = TState::Cancelled;
            warmUp->m_changed.notify_all();
        }
        warmUp->m_changed.wait(lock, [warmUp] { return warmUp->m_state != TState::Ready; });
    }
}

void TStartupWarmUp::Finish()
{
    if (TStartupWarmUp *warmUp = Running.load())
        warmUp->Stop();
}

void TStartupWarmUp::Run()
{
    // The configuration files and the font cache: most of the cost, and independent of Qt.
    FcInit();
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_state != TState::Waiting; });
        if (m_state != TState::Ready)
            return;
    }
    // Qt's list of fonts, built from that configuration under Qt's font database lock.
    QFontDatabase::families();
    std::lock_guard lock(m_mutex);
    m_state = TState::Done;
    m_changed.notify_all();
}

void TStartupWarmUp::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        if (m_state == TState::Waiting) {
            m_state = TState::Cancelled;
            m_changed.notify_all();
        }
    }
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    TStartupWarmUp *self = this;
    Running.compare_exchange_strong(self, nullptr);
}
