// One worker of the thread pool: a thread that takes tasks from the pool's core until told to leave.
#include "engine/WorkerThread.h"

#include "engine/Log.h"
#include "engine/PoolCore.h"
#include "engine/Utf8.h"

#include <boost/bind/bind.hpp>
#include <boost/thread/thread.hpp>
#include <exception>

worker_thread::worker_thread(const boost::shared_ptr<pool_core>& core)
    : core(core)
{
}

worker_thread::~worker_thread() = default;

void worker_thread::start(const boost::shared_ptr<pool_core>& core)
{
    boost::shared_ptr<worker_thread> worker(new worker_thread(core));
    worker->self = worker;
    // The thread function holds its own share of the worker for as long as the thread runs.
    worker->thread.reset(new boost::thread(boost::bind(&worker_thread::run, worker)));
}

void worker_thread::run()
{
    const boost::shared_ptr<worker_thread> worker = self.lock();
    std::string failure;
    try {
        while (core->run_next_task(worker)) { }
        return;
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = "unknown exception";
    }
    // An exception leaving the thread function would end the program; the jobs report their own
    // failures by result codes, so whatever gets here came from library code inside a task.
    try {
        LogError(L"Thread pool: a task ended by an exception: " + FromUtf8(failure));
    } catch (...) {
    }
    core->on_worker_failure(worker);
}

void worker_thread::join()
{
    if (thread && thread->joinable())
        thread->join();
}

void worker_thread::detach()
{
    if (thread)
        thread->detach();
}
