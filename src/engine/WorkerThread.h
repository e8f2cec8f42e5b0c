// One worker of the thread pool: a thread that takes tasks from the pool's core until told to leave.
#pragma once

#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

namespace boost {
class thread;
}
class pool_core;

class worker_thread : private boost::noncopyable {
public:
    // Creates a worker and starts its thread. The caller holds the core's mutex, so the new
    // thread cannot touch the core before the caller has finished its bookkeeping. Throws the
    // thread library's resource error when no thread can be created.
    static void start(const boost::shared_ptr<pool_core>& core);
    ~worker_thread();

    // The thread function: runs tasks until the core lets the worker go. An exception that leaves
    // a task is logged and reported to the core, which replaces the worker.
    void run();

    // Waits for the thread to end; called by the core once the worker has left it.
    void join();
    // Lets the thread end on its own; called by the core for a worker that leaves before
    // termination, which nobody will join.
    void detach();

private:
    explicit worker_thread(const boost::shared_ptr<pool_core>& core);

    boost::weak_ptr<worker_thread> self;
    boost::shared_ptr<pool_core> core;
    boost::shared_ptr<boost::thread> thread;
};
