// The handle of the program's thread pool: a FIFO queue served by a fixed number of worker threads.
#pragma once

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

class pool_core;

// Copies share one pool. When the last copy goes, the pool runs every queued task to its end,
// then stops and joins its workers; a task must therefore never wait for the thread that does this.
class thread_pool {
public:
    typedef boost::function<void()> task_type;

    // Creates the pool and starts workerCount worker threads at once.
    explicit thread_pool(unsigned workerCount);
    thread_pool(const thread_pool& other) = default;
    thread_pool& operator=(const thread_pool& other) = default;
    // The last copy blocks until the queue is empty, every worker has left and has been joined.
    ~thread_pool();

    // Queues a task behind all tasks queued before it; an empty task is skipped. Always true.
    bool schedule(const task_type& task);

private:
    // Declared first so that it is destroyed last: the shutdown below still needs the core.
    boost::shared_ptr<pool_core> core;
    // No object; its deleter shuts the core down when the last copy of the handle lets go.
    boost::shared_ptr<void> shutdownController;
};
