// The thread pool: FIFO order, tasks that schedule tasks, shutdown that waits, failing tasks.
#include "engine/ThreadPool.h"
#include "engine/LogStore.h"
#include "engine/PoolCore.h"

#include <gtest/gtest.h>

#include <boost/thread/thread.hpp>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Counts down to zero once; waiting never times out, so a broken pool hangs rather than passes.
class Latch {
public:
    explicit Latch(unsigned count = 1)
        : count(count)
    {
    }
    void CountDown()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (count > 0 && --count == 0)
            condition.notify_all();
    }
    void Wait()
    {
        std::unique_lock<std::mutex> lock(mutex);
        condition.wait(lock, [this] { return count == 0; });
    }
    // Counts down and waits for the others: a barrier for exactly `count` parties.
    void ArriveAndWait()
    {
        CountDown();
        Wait();
    }

private:
    std::mutex mutex;
    std::condition_variable condition;
    unsigned count;
};

// What the tasks did, in the order they did it, and how many ran at the same time.
class Journal {
public:
    void Enter()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (++running > mostAtOnce)
            mostAtOnce = running;
    }
    void Leave(const std::string& name)
    {
        std::lock_guard<std::mutex> lock(mutex);
        --running;
        entries.push_back(name);
    }
    std::vector<std::string> Entries()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return entries;
    }
    int MostAtOnce()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return mostAtOnce;
    }

private:
    std::mutex mutex;
    std::vector<std::string> entries;
    int running = 0;
    int mostAtOnce = 0;
};

// Counts worker threads that have ended; registered from a task on the worker's own thread.
class ExitCounter {
public:
    void RegisterCurrentThread()
    {
        boost::this_thread::at_thread_exit([this] {
            std::lock_guard<std::mutex> lock(mutex);
            ++exited;
            condition.notify_all();
        });
    }
    int Exited()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return exited;
    }
    void WaitFor(int count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        condition.wait(lock, [&] { return exited >= count; });
    }

private:
    std::mutex mutex;
    std::condition_variable condition;
    int exited = 0;
};

thread_pool::task_type Record(Journal& journal, const std::string& name)
{
    return [&journal, name] {
        journal.Enter();
        journal.Leave(name);
    };
}

const std::vector<std::string> ABC = { "A", "B", "C" };

TEST(ThreadPoolOrder, OneWorkerRunsTasksStrictlyInTheOrderScheduled)
{
    Journal journal;
    Latch gate;
    {
        thread_pool pool(1);
        // A holds the worker until B and C are surely queued behind it.
        pool.schedule([&] {
            journal.Enter();
            gate.Wait();
            journal.Leave("A");
        });
        pool.schedule(Record(journal, "B"));
        pool.schedule(Record(journal, "C"));
        for (int i = 0; i < 100; ++i)
            pool.schedule(Record(journal, std::to_string(i)));
        gate.CountDown();
    }
    std::vector<std::string> expected = ABC;
    for (int i = 0; i < 100; ++i)
        expected.push_back(std::to_string(i));
    EXPECT_EQ(expected, journal.Entries());
    EXPECT_EQ(1, journal.MostAtOnce());
}

TEST(ThreadPoolOrder, ATaskMaySchedule_TheNewTaskRunsAfterEverythingQueuedBeforeIt)
{
    Journal journal;
    Latch gate;
    {
        thread_pool pool(1);
        pool.schedule([&] {
            journal.Enter();
            gate.Wait();
            pool.schedule(Record(journal, "C"));
            journal.Leave("A");
        });
        pool.schedule(Record(journal, "B"));
        gate.CountDown();
    }
    EXPECT_EQ(ABC, journal.Entries());
}

TEST(ThreadPoolOrder, AnEmptyTaskIsSkippedAndTheWorkerGoesOn)
{
    Journal journal;
    {
        thread_pool pool(1);
        pool.schedule(Record(journal, "A"));
        EXPECT_TRUE(pool.schedule(thread_pool::task_type()));
        pool.schedule(Record(journal, "B"));
        pool.schedule(Record(journal, "C"));
    }
    EXPECT_EQ(ABC, journal.Entries());
}

TEST(ThreadPoolShutdown, LastHandleWaitsForTheRunningAndQueuedTasksAndJoinsTheWorker)
{
    Journal journal;
    ExitCounter exits;
    Latch started;
    Latch gate;
    Latch destroying;
    std::unique_ptr<thread_pool> pool(new thread_pool(1));
    pool->schedule([&] {
        exits.RegisterCurrentThread();
        journal.Enter();
        started.CountDown();
        gate.Wait();
        journal.Leave("A");
    });
    pool->schedule(Record(journal, "B"));
    pool->schedule(Record(journal, "C"));
    started.Wait();
    // Released from outside while the destructor is (most likely) already waiting; the outcome
    // must be the same either way.
    boost::thread opener([&] {
        destroying.Wait();
        gate.CountDown();
    });
    destroying.CountDown();
    pool.reset();
    EXPECT_EQ(ABC, journal.Entries());
    EXPECT_EQ(1, exits.Exited());
    opener.join();
}

TEST(ThreadPoolShutdown, ACopyOfTheHandleKeepsThePoolRunning)
{
    ExitCounter exits;
    Latch firstRan;
    std::unique_ptr<thread_pool> original(new thread_pool(1));
    std::unique_ptr<thread_pool> copy(new thread_pool(*original));
    original->schedule([&] {
        exits.RegisterCurrentThread();
        firstRan.CountDown();
    });
    firstRan.Wait();
    original.reset();
    // A shutdown would have joined the worker before reset returned.
    ASSERT_EQ(0, exits.Exited());

    Latch secondRan;
    copy->schedule([&] { secondRan.CountDown(); });
    secondRan.Wait();
    copy.reset();
    EXPECT_EQ(1, exits.Exited());
}

TEST(ThreadPoolShutdown, WithoutAWorkerWaitAndShutdownReturnAndTheTasksThatNeverRanAreLogged)
{
    LogStore::Instance().Clear();
    bool ran = false;
    {
        // A pool whose worker has gone: nothing will ever empty its queue.
        boost::shared_ptr<pool_core> core = pool_core::create();
        ASSERT_TRUE(core->set_worker_count(1));
        ASSERT_TRUE(core->set_worker_count(0));
        core->wait(0);
        ASSERT_EQ(0u, core->size());
        core->schedule([&] { ran = true; });
        core->wait(0);
        core->wait(1);
        core->shutdown();
    }
    {
        // The handle of a pool without workers returns from its shutdown too.
        thread_pool pool(0);
        pool.schedule([&] { ran = true; });
        pool.schedule([&] { ran = true; });
    }
    EXPECT_FALSE(ran);
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    EXPECT_EQ(
        (std::vector<std::wstring> { L"ERROR: Thread pool: no worker thread, 1 queued tasks did not run\n",
            L"ERROR: Thread pool: no worker thread, 2 queued tasks did not run\n" }),
        lines);
    LogStore::Instance().Clear();
}

TEST(ThreadPoolFailure, AThrowingTaskIsLoggedAndTheNextTaskStillRuns)
{
    LogStore::Instance().Clear();
    Journal journal;
    boost::thread::id failedOn;
    boost::thread::id nextOn;
    {
        thread_pool pool(1);
        pool.schedule([&] {
            failedOn = boost::this_thread::get_id();
            throw std::runtime_error("disk on fire \xE2\x80\x94 caf\xC3\xA9 \xC3");
        });
        pool.schedule([&] {
            nextOn = boost::this_thread::get_id();
            journal.Enter();
            journal.Leave("after");
        });
    }
    EXPECT_EQ(std::vector<std::string> { "after" }, journal.Entries());
    // The failed worker was replaced by a new thread.
    EXPECT_NE(failedOn, nextOn);
    const std::vector<std::wstring> lines = LogStore::Instance().Lines();
    ASSERT_EQ(1u, lines.size());
    // The message is read as UTF-8; a cut-short sequence becomes a replacement character.
    EXPECT_EQ(L"ERROR: Thread pool: a task ended by an exception: disk on fire \u2014 caf\u00E9 \uFFFD\n",
        lines[0]);
    LogStore::Instance().Clear();
}

TEST(ThreadPoolFailure, ThePoolKeepsItsSizeAfterTasksThrow)
{
    LogStore::Instance().Clear();
    boost::shared_ptr<pool_core> core = pool_core::create();
    ASSERT_TRUE(core->set_worker_count(2));
    core->schedule([] { throw 42; });
    core->schedule([] { throw std::logic_error("bad"); });
    core->wait(0);
    EXPECT_EQ(2u, core->size());

    // Both workers really exist: two tasks can only finish while both run at once.
    Latch bothRunning(2);
    core->schedule([&] { bothRunning.ArriveAndWait(); });
    core->schedule([&] { bothRunning.ArriveAndWait(); });
    core->shutdown();
    EXPECT_EQ(0u, core->size());
    EXPECT_EQ(2u, LogStore::Instance().Lines().size());
    LogStore::Instance().Clear();
}

TEST(PoolCoreSize, SetWorkerCountAfterTerminationBeganIsRefused)
{
    boost::shared_ptr<pool_core> core = pool_core::create();
    ASSERT_TRUE(core->set_worker_count(1));
    core->stop_workers(true);
    EXPECT_EQ(0u, core->size());
    EXPECT_FALSE(core->set_worker_count(3));
    EXPECT_EQ(0u, core->size());
}

TEST(PoolCoreSize, ShrinkingLetsExactlyTheSurplusLeave_IdleAtOnceBusyAfterTheirTask)
{
    ExitCounter exits;
    boost::shared_ptr<pool_core> core = pool_core::create();
    ASSERT_TRUE(core->set_worker_count(4));
    // Mark all four threads, then let them go idle.
    Latch allFour(4);
    for (int i = 0; i < 4; ++i)
        core->schedule([&] {
            exits.RegisterCurrentThread();
            allFour.ArriveAndWait();
        });
    core->wait(0);

    // One worker is busy; the three idle ones see the surplus of two.
    Latch busyStarted;
    Latch gate;
    core->schedule([&] {
        busyStarted.CountDown();
        gate.Wait();
    });
    busyStarted.Wait();
    ASSERT_TRUE(core->set_worker_count(2));
    exits.WaitFor(2);
    EXPECT_EQ(2u, core->size());

    // Both remaining workers busy, then down to one: nobody can leave before a task ends, and
    // after both tasks exactly one has left.
    gate.CountDown();
    core->wait(0);
    Latch bothBusy(2);
    Latch secondGate;
    for (int i = 0; i < 2; ++i)
        core->schedule([&] {
            bothBusy.CountDown();
            secondGate.Wait();
        });
    bothBusy.Wait();
    ASSERT_TRUE(core->set_worker_count(1));
    EXPECT_EQ(2u, core->size());
    secondGate.CountDown();
    exits.WaitFor(3);
    core->wait(0);
    EXPECT_EQ(1u, core->size());

    Journal journal;
    core->schedule(Record(journal, "A"));
    core->shutdown();
    EXPECT_EQ(std::vector<std::string> { "A" }, journal.Entries());
    EXPECT_EQ(4, exits.Exited());
}

TEST(PoolCoreWait, AThresholdWaitReturnsOnceFewEnoughTasksAreLeft)
{
    boost::shared_ptr<pool_core> core = pool_core::create();
    ASSERT_TRUE(core->set_worker_count(1));
    Latch started;
    Latch gate;
    core->schedule([&] {
        started.CountDown();
        gate.Wait();
    });
    started.Wait();
    // One running task is within a threshold of 1.
    core->wait(1);
    gate.CountDown();
    core->wait(0);
    core->shutdown();
}

} // namespace
