// Task reports reach the GUI thread in order, one at a time, with their own copy of the file name.
#include "support/GuiTestSupport.h"

#include "ui/SplitReportRelay.h"

#include <boost/thread/thread.hpp>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/time.h>
#include <wx/utils.h>

namespace {

CSplitTask::TProgressInfo Report(int kind, int percent, const wchar_t* name)
{
    CSplitTask::TProgressInfo info = { kind, 0, percent, name, 0, 0 };
    return info;
}

} // namespace

TEST(SplitReportRelay, DeliversEveryReportInOrderWithoutNestingEvenWhenTheHandlerYields)
{
    wxFrame target(nullptr, wxID_ANY, "relay");
    std::vector<int> seen;
    std::vector<std::wstring> names;
    int depth = 0, deepest = 0;
    boost::shared_ptr<CSplitReportRelay> relay
        = CSplitReportRelay::Create(&target, [&](CSplitTask::TProgressInfo info) {
              deepest = std::max(deepest, ++depth);
              seen.push_back(info.filePercent);
              if (info.fileName)
                  names.push_back(info.fileName);
              // A progress dialog's update runs the event loop right here.
              wxYield();
              --depth;
          });
    CSplitTask::TProgressFunction progress = relay->ProgressFunction();

    const int count = 2000;
    boost::thread worker([&]() {
        std::wstring name;
        for (int i = 0; i < count; ++i) {
            name = L"part " + std::to_wstring(i);
            progress(Report(i % 3 == 0 ? CSplitTask::EFileWritten : CSplitTask::EProgress, i,
                i % 3 == 0 ? name.c_str() : nullptr));
            name.assign(name.size(), L'#'); // the task reuses its buffer at once
        }
    });
    worker.join(); // the worker never waited for this thread

    const wxLongLong end = wxGetLocalTimeMillis() + 30000;
    while (seen.size() < std::size_t(count) && wxGetLocalTimeMillis() < end)
        gui_test::PumpEvents(5);

    ASSERT_EQ(std::size_t(count), seen.size());
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(i, seen[i]);
    EXPECT_EQ(1, deepest);
    ASSERT_EQ(std::size_t((count + 2) / 3), names.size());
    EXPECT_EQ(L"part 3", names[1]);
    EXPECT_EQ(0u, relay->Pending());
}

TEST(SplitReportRelay, DropsWhatComesAfterItWasStopped)
{
    wxFrame target(nullptr, wxID_ANY, "relay");
    int handled = 0;
    boost::shared_ptr<CSplitReportRelay> relay
        = CSplitReportRelay::Create(&target, [&](CSplitTask::TProgressInfo) { ++handled; });
    relay->Post(Report(CSplitTask::EProgress, 1, nullptr));
    relay->Stop();
    relay->Post(Report(CSplitTask::EProgress, 2, nullptr));
    gui_test::PumpEvents(50);
    EXPECT_EQ(0, handled);
    EXPECT_EQ(0u, relay->Pending());
}
