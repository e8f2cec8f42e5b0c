// The shared state of the thread pool and the logic its workers run.
#pragma once

#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/thread/condition_variable.hpp>
#include <boost/thread/recursive_mutex.hpp>
#include <boost/weak_ptr.hpp>
#include <cstdint>
#include <deque>
#include <list>

class worker_thread;

// Shared by the handle and by every worker. Every field is guarded by one recursive mutex, because
// a failing worker's replacement is started from inside the failure handling.
class pool_core : private boost::noncopyable {
public:
    typedef boost::function<void()> task_type;

    // A core without workers; shared, so that it can hand references to itself to new workers.
    static boost::shared_ptr<pool_core> create();
    ~pool_core();

    // Queues a task at the back and wakes one idle worker. Always true.
    bool schedule(const task_type& task);

    // Sets the wanted number of workers: starts the missing ones, or lets the surplus leave (idle
    // ones at once, busy ones after their task). False once stopping has begun (nothing changes)
    // or when a thread cannot be created (the workers started so far remain).
    bool set_worker_count(unsigned count);

    // Threshold 0: blocks until the queue is empty and every worker is idle. Above 0: blocks until
    // running plus queued tasks are at most the threshold. Returns at once if no worker exists,
    // since then nothing could ever empty the queue. Never call it from a task: it would wait for
    // itself.
    void wait(unsigned threshold = 0);

    // Begins termination: no worker is started any more and every worker leaves as soon as it
    // is idle or its task ends. With waitForWorkers, blocks until all have left and joins them.
    void stop_workers(bool waitForWorkers);

    // Runs every queued task to its end, then stops and joins the workers.
    void shutdown();

    // The number of workers that exist (started and not yet gone).
    unsigned size() const;

    // Worker side. Takes the next task and runs it without the lock; false once the worker has
    // left the pool, which happens in the same step as the decision that there are too many, so
    // that surplus workers cannot all see the old count and leave together.
    bool run_next_task(const boost::shared_ptr<worker_thread>& worker);
    // Worker side. The worker leaves normally.
    void on_worker_exit(const boost::shared_ptr<worker_thread>& worker);
    // Worker side. The worker left by an exception; a replacement is started unless stopping.
    void on_worker_failure(const boost::shared_ptr<worker_thread>& worker);

private:
    pool_core();
    // Bookkeeping common to both ways of leaving; call with the mutex held.
    void count_departure(const boost::shared_ptr<worker_thread>& worker);
    typedef boost::unique_lock<boost::recursive_mutex> lock_type;

    boost::weak_ptr<pool_core> self;
    std::uint32_t workerCount = 0;
    std::uint32_t wantedWorkerCount = 0;
    std::uint32_t busyWorkerCount = 0;
    std::deque<task_type> taskQueue;
    bool stopping = false;
    std::list<boost::shared_ptr<worker_thread>> departedWorkers;
    mutable boost::recursive_mutex mutex;
    boost::condition_variable_any workerIdleCondition;
    boost::condition_variable_any wakeWorkersCondition;
};
