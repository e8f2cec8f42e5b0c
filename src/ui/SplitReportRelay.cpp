// Carries task reports to the GUI thread through the target's queue of asynchronous calls.
#include "ui/SplitReportRelay.h"

#include <boost/bind/bind.hpp>
#include <wx/event.h>

boost::shared_ptr<CSplitReportRelay> CSplitReportRelay::Create(wxEvtHandler* target, const THandler& handler)
{
    return boost::shared_ptr<CSplitReportRelay>(new CSplitReportRelay(target, handler));
}

CSplitReportRelay::CSplitReportRelay(wxEvtHandler* target, const THandler& handler)
    : target(target)
    , handler(handler)
{
}

CSplitTask::TProgressFunction CSplitReportRelay::ProgressFunction()
{
    return boost::bind(&CSplitReportRelay::Post, shared_from_this(), boost::placeholders::_1);
}

void CSplitReportRelay::Post(CSplitTask::TProgressInfo info)
{
    TReport report;
    report.info = info;
    // The task's name buffer is overwritten by its next part: keep a copy.
    report.hasFileName = info.fileName != nullptr;
    if (report.hasFileName)
        report.fileName = info.fileName;
    report.info.fileName = nullptr;

    bool wake = false;
    {
        boost::mutex::scoped_lock lock(mutex);
        if (stopped)
            return;
        queue.push_back(report);
        wake = !wakePending;
        wakePending = true;
    }
    if (wake) {
        // Queued, not run: the worker goes on at once. The call holds a share of the relay, so a
        // call still queued when the target goes is merely dropped with it.
        boost::shared_ptr<CSplitReportRelay> self = shared_from_this();
        target->CallAfter([self]() { self->Deliver(); });
    }
}

void CSplitReportRelay::Deliver()
{
    if (delivering)
        return;
    delivering = true;
    for (;;) {
        TReport report;
        {
            boost::mutex::scoped_lock lock(mutex);
            if (queue.empty() || stopped) {
                queue.clear();
                wakePending = false;
                break;
            }
            report = queue.front();
            queue.pop_front();
        }
        CSplitTask::TProgressInfo info = report.info;
        info.fileName = report.hasFileName ? report.fileName.c_str() : nullptr;
        handler(info);
    }
    delivering = false;
}

void CSplitReportRelay::Stop()
{
    boost::mutex::scoped_lock lock(mutex);
    stopped = true;
    queue.clear();
}

std::size_t CSplitReportRelay::Pending() const
{
    boost::mutex::scoped_lock lock(mutex);
    return queue.size();
}
