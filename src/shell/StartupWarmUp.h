// Starting the font system on a second processor core while the program builds its windows.
//
// The first text a Qt program measures makes it read the font configuration and the list of
// installed fonts (fontconfig), which takes longer than building a window. The warm-up reads
// the configuration on a worker thread from before the application object exists, and fills
// Qt's font database there once the application object is announced; the main thread waits for
// it just before its first text. Nothing changes in what is loaded, only when and on which core.
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

class TStartupWarmUp
{
public:
    //! Starts reading the font configuration on a worker thread.
    TStartupWarmUp();
    //! Waits for the worker; one still waiting for the application object stops at once.
    ~TStartupWarmUp();
    TStartupWarmUp(const TStartupWarmUp &) = delete;
    TStartupWarmUp &operator=(const TStartupWarmUp &) = delete;

    //! The application object exists: the worker goes on to fill Qt's font database.
    void ApplicationReady();

    //! Waits until the running warm-up, if any, has Qt's font database filled; one still waiting
    //! for the application object stops at once. Called before the first text is measured, so
    //! the font system is never started twice.
    static void WaitForFonts();
    //! Waits until the running warm-up, if any, has ended and lets it go; before the application
    //! object goes.
    static void Finish();

private:
    enum class TState { Waiting, Ready, Cancelled, Done };

    void Run();
    void Stop();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    TState m_state = TState::Waiting;
    std::thread m_thread;
};
