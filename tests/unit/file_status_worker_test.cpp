// The status worker: every question answered once, the owner told once per waiting batch,
// questions of an older numbering dropped, and closing never held up by a hung question.
#include "tracking/file_status_worker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A gate the checks wait at until the test opens it, and what they were asked.
struct Probe {
    std::mutex lock;
    std::condition_variable changed;
    bool open = true;
    std::vector<std::string> folders;  // checked, in order
    int notes = 0;
    bool toldTwice = false;
    bool told = false;

    std::vector<StatusAnswer> Check(const FolderGroup& group) {
        std::unique_lock guard(lock);
        folders.push_back(group.folder);
        changed.notify_all();
        changed.wait(guard, [this] { return open; });
        std::vector<StatusAnswer> answers;
        for (const StatusRequest& request : group.requests) answers.push_back({request.document, {true, 1, 0, 0}, request.generation});
        return answers;
    }
    void Notify() {
        const std::lock_guard guard(lock);
        if (told) toldTwice = true;
        told = true;
        ++notes;
        changed.notify_all();
    }
    // Waits for a note, then takes the answers as the window would.
    std::vector<StatusAnswer> Take(FileStatusWorker& worker) {
        {
            std::unique_lock guard(lock);
            if (!changed.wait_for(guard, 10s, [this] { return told; })) return {};
            told = false;
        }
        return worker.TakeAnswers();
    }
    void WaitForCheck(size_t count) {
        std::unique_lock guard(lock);
        changed.wait_for(guard, 10s, [&] { return folders.size() >= count; });
    }
    void SetOpen(bool value) {
        const std::lock_guard guard(lock);
        open = value;
        changed.notify_all();
    }
};

StatusQuestions Requests(int count, int folders, uint32_t generation) {
    StatusQuestions questions(generation);
    for (int i = 0; i < count; ++i) {
        questions.Add(static_cast<uint32_t>(i), "C:\\f" + std::to_string(i % folders) + "\\" + std::to_string(i));
    }
    return questions;
}

TEST(FileStatusWorker, AnswersEveryQuestionOnceAndTellsOncePerWaitingBatch) {
    auto probe = std::make_shared<Probe>();
    FileStatusWorker worker([probe](const FolderGroup& group) { return probe->Check(group); }, [probe] { probe->Notify(); });
    worker.Ask(Requests(600, 30, 1));
    std::set<uint32_t> answered;
    while (answered.size() < 600) {
        const std::vector<StatusAnswer> answers = probe->Take(worker);
        ASSERT_FALSE(answers.empty()) << "told, and answers waited";
        for (const StatusAnswer& answer : answers) EXPECT_TRUE(answered.insert(answer.document).second) << answer.document;
    }
    EXPECT_EQ(probe->folders.size(), 30u) << "each folder checked once";
    EXPECT_FALSE(probe->toldTwice);
}

TEST(FileStatusWorker, QuestionsOfAnOlderGenerationAreDroppedUnasked) {
    auto probe = std::make_shared<Probe>();
    FileStatusWorker worker([probe](const FolderGroup& group) { return probe->Check(group); }, [probe] { probe->Notify(); });
    probe->SetOpen(false);
    worker.Ask(Requests(4, 4, 1));  // four folders; the first is held at the gate
    probe->WaitForCheck(1);
    worker.Ask(Requests(2, 2, 2));
    probe->SetOpen(true);
    std::map<uint32_t, int> byGeneration;
    while (byGeneration[2] < 2) {
        const std::vector<StatusAnswer> answers = probe->Take(worker);
        ASSERT_FALSE(answers.empty());
        for (const StatusAnswer& answer : answers) ++byGeneration[answer.generation];
    }
    EXPECT_EQ(byGeneration[1], 1) << "only the folder already being checked";
    EXPECT_EQ(probe->folders.size(), 3u);
}

TEST(FileStatusWorker, APauseHoldsTheWorkerBetweenFoldersUntilItEnds) {
    auto probe = std::make_shared<Probe>();
    FileStatusWorker worker([probe](const FolderGroup& group) { return probe->Check(group); }, [probe] { probe->Notify(); });
    probe->SetOpen(false);
    worker.Ask(Requests(3, 3, 1));
    probe->WaitForCheck(1);
    std::set<uint32_t> answered;
    {
        const FileStatusWorker::Pause pause(worker);
        probe->SetOpen(true);  // the folder begun before the pause is finished
        for (const StatusAnswer& answer : probe->Take(worker)) answered.insert(answer.document);
        EXPECT_EQ(answered.size(), 1u);
        std::this_thread::sleep_for(50ms);
        const std::lock_guard guard(probe->lock);
        EXPECT_EQ(probe->folders.size(), 1u) << "no folder begun while paused";
    }
    while (answered.size() < 3) {
        const std::vector<StatusAnswer> answers = probe->Take(worker);
        ASSERT_FALSE(answers.empty()) << "the rest answered once the pause ended";
        for (const StatusAnswer& answer : answers) answered.insert(answer.document);
    }
}

TEST(FileStatusWorker, ClosingIsNotHeldUpByAQuestionThatHangs) {
    auto probe = std::make_shared<Probe>();
    auto worker = std::make_unique<FileStatusWorker>([probe](const FolderGroup& group) { return probe->Check(group); },
                                                     [probe] { probe->Notify(); });
    probe->SetOpen(false);
    worker->Ask(Requests(1, 1, 1));
    probe->WaitForCheck(1);
    const auto start = std::chrono::steady_clock::now();
    worker.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    probe->SetOpen(true);  // the left thread finishes on its own, with its own share of the state
}

}  // namespace
