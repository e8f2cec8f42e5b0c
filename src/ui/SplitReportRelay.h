// Carries a split run's task reports from the worker thread to the GUI thread, in order, one at a time.
#pragma once

#include "engine/SplitTask.h"

#include <boost/enable_shared_from_this.hpp>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/thread/mutex.hpp>
#include <deque>
#include <string>

class wxEvtHandler;

// The worker only queues a copy of each report (with its own copy of the file name) and asks the
// target's event loop to deliver it; it never waits for the GUI thread. Delivery hands the reports
// to the handler in the order they were produced and never starts a second one while the handler
// runs (a progress dialog's update or a message box runs the event loop inside the handler).
class CSplitReportRelay : public boost::enable_shared_from_this<CSplitReportRelay>,
                          private boost::noncopyable {
public:
    typedef boost::function<void(CSplitTask::TProgressInfo)> THandler;

    // target must outlive every task that reports through this relay (the main window joins its
    // pool before it goes); handler runs on the GUI thread.
    static boost::shared_ptr<CSplitReportRelay> Create(wxEvtHandler* target, const THandler& handler);

    // The progress function for a task; it holds a share of the relay.
    CSplitTask::TProgressFunction ProgressFunction();

    // Any thread: queues a copy of the report and returns at once.
    void Post(CSplitTask::TProgressInfo info);

    // GUI thread: hands every queued report to the handler, oldest first. A call made while the
    // handler runs returns at once; the running delivery goes on with the queue.
    void Deliver();

    // GUI thread: reports queued or posted from now on are dropped.
    void Stop();

    // Reports waiting for delivery.
    std::size_t Pending() const;

private:
    CSplitReportRelay(wxEvtHandler* target, const THandler& handler);

    struct TReport {
        CSplitTask::TProgressInfo info;
        std::wstring fileName;
        bool hasFileName;
    };

    wxEvtHandler* const target;
    const THandler handler;
    mutable boost::mutex mutex;
    std::deque<TReport> queue; // guarded by mutex
    bool wakePending = false; // guarded by mutex: a delivery has been asked for and not yet run dry
    bool stopped = false; // guarded by mutex
    bool delivering = false; // GUI thread only
};
