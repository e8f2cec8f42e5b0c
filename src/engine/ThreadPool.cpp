// The handle of the program's thread pool: a FIFO queue served by a fixed number of worker threads.
#include "engine/ThreadPool.h"

#include "engine/Log.h"
#include "engine/PoolCore.h"

#include <boost/bind/bind.hpp>
#include <boost/format.hpp>

thread_pool::thread_pool(unsigned workerCount)
    : core(pool_core::create())
    , shutdownController(static_cast<void*>(0), boost::bind(&pool_core::shutdown, core))
{
    // Without workers a scheduled task would never run; say so in the log the user can save.
    if (!core->set_worker_count(workerCount))
        LogError((boost::wformat(L"Thread pool: only %u of %u worker threads could be started") % core->size()
            % workerCount)
                     .str());
}

thread_pool::~thread_pool()
{
    // The shutdown (if this is the last copy) must finish while the core is still held.
    shutdownController.reset();
    core.reset();
}

bool thread_pool::schedule(const task_type& task)
{
    return core->schedule(task);
}
