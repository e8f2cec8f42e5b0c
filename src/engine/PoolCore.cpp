// The shared state of the thread pool and the logic its workers run.
#include "engine/PoolCore.h"

#include "engine/Log.h"
#include "engine/WorkerThread.h"

#include <boost/format.hpp>
#include <boost/thread/exceptions.hpp>
#include <locale>
#include <new>

namespace {

// Workers format log lines (boost::format) while other threads do the same. libstdc++'s
// ctype<char>::narrow fills a per-facet cache on first use of each character, an unsynchronised
// write; filling it once before any worker exists leaves every later call a pure read.
void FillNarrowCache()
{
    const std::ctype<char>& ctype = std::use_facet<std::ctype<char>>(std::locale());
    for (int c = 1; c < 256; ++c)
        ctype.narrow(static_cast<char>(c), '\0');
}

} // namespace

pool_core::pool_core() = default;

pool_core::~pool_core() = default;

boost::shared_ptr<pool_core> pool_core::create()
{
    FillNarrowCache();
    boost::shared_ptr<pool_core> core(new pool_core());
    core->self = core;
    return core;
}

bool pool_core::schedule(const task_type& task)
{
    lock_type lock(mutex);
    taskQueue.push_back(task);
    wakeWorkersCondition.notify_one();
    return true;
}

bool pool_core::run_next_task(const boost::shared_ptr<worker_thread>& worker)
{
    task_type task;
    {
        lock_type lock(mutex);
        if (workerCount > wantedWorkerCount) {
            on_worker_exit(worker);
            return false;
        }
        while (taskQueue.empty()) {
            if (workerCount > wantedWorkerCount) {
                on_worker_exit(worker);
                return false;
            }
            --busyWorkerCount;
            workerIdleCondition.notify_all();
            wakeWorkersCondition.wait(lock);
            ++busyWorkerCount;
        }
        task.swap(taskQueue.front());
        taskQueue.pop_front();
    }
    // Without the lock, so that a task may schedule further tasks.
    if (task)
        task();
    return true;
}

void pool_core::on_worker_exit(const boost::shared_ptr<worker_thread>& worker)
{
    lock_type lock(mutex);
    count_departure(worker);
}

void pool_core::on_worker_failure(const boost::shared_ptr<worker_thread>& worker)
{
    lock_type lock(mutex);
    count_departure(worker);
    // Replace the worker unless the pool is shrinking anyway; the mutex is taken a second time.
    if (!stopping && workerCount < wantedWorkerCount && !set_worker_count(wantedWorkerCount))
        LogError((boost::wformat(L"Thread pool: a failed worker thread could not be replaced, %u left")
            % workerCount)
                     .str());
}

void pool_core::count_departure(const boost::shared_ptr<worker_thread>& worker)
{
    --workerCount;
    --busyWorkerCount;
    workerIdleCondition.notify_all();
    // During termination the stopping thread joins the worker; before it nobody will, so the
    // thread goes its own way (this also frees the thread object's hold on the worker).
    if (stopping)
        departedWorkers.push_back(worker);
    else
        worker->detach();
}

bool pool_core::set_worker_count(unsigned count)
{
    lock_type lock(mutex);
    if (stopping)
        return false;
    wantedWorkerCount = count;
    if (workerCount > wantedWorkerCount) {
        wakeWorkersCondition.notify_all();
        return true;
    }
    const boost::shared_ptr<pool_core> shared = self.lock();
    while (workerCount < wantedWorkerCount) {
        try {
            worker_thread::start(shared);
        } catch (const boost::thread_resource_error&) {
            return false;
        } catch (const std::bad_alloc&) {
            return false;
        }
        ++workerCount;
        ++busyWorkerCount;
    }
    return true;
}

void pool_core::wait(unsigned threshold)
{
    lock_type lock(mutex);
    if (threshold == 0) {
        while (workerCount > 0 && (busyWorkerCount != 0 || !taskQueue.empty()))
            workerIdleCondition.wait(lock);
    } else {
        while (workerCount > 0 && threshold < busyWorkerCount + taskQueue.size())
            workerIdleCondition.wait(lock);
    }
}

void pool_core::stop_workers(bool waitForWorkers)
{
    std::list<boost::shared_ptr<worker_thread>> leaving;
    {
        lock_type lock(mutex);
        stopping = true;
        wantedWorkerCount = 0;
        wakeWorkersCondition.notify_all();
        if (!waitForWorkers)
            return;
        while (workerCount > 0)
            workerIdleCondition.wait(lock);
        leaving.swap(departedWorkers);
    }
    // Every worker in the list has left the core for good, so the joins need no lock.
    for (const boost::shared_ptr<worker_thread>& worker : leaving)
        worker->join();
}

void pool_core::shutdown()
{
    // Not under one lock: the condition waits release the recursive mutex only once.
    wait(0);
    stop_workers(true);
    lock_type lock(mutex);
    if (!taskQueue.empty())
        LogError(
            (boost::wformat(L"Thread pool: no worker thread, %u queued tasks did not run") % taskQueue.size())
                .str());
}

unsigned pool_core::size() const
{
    lock_type lock(mutex);
    return workerCount;
}
