// One thread, one queue in and one out, both under one lock; the file system is asked outside it.
#include "tracking/file_status_worker.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
#include <iterator>
#include <mutex>
#include <thread>
#include <utility>

namespace {
constexpr auto kStopWait = std::chrono::milliseconds(500);
}  // namespace

struct FileStatusWorker::Shared {
    CheckGroup check;
    Notify notify;
    std::mutex lock;
    std::condition_variable wake;
    std::vector<StatusQuestions> queue;
    std::vector<StatusAnswer> answers;
    uint32_t newestGeneration = 0;
    int pauses = 0;         // the owner's pauses now in force
    bool notified = false;  // the window was told and has not taken the answers yet
    bool stopping = false;

    void Run();
    void HandOver(std::vector<StatusAnswer>& learnt);
};

void FileStatusWorker::Shared::HandOver(std::vector<StatusAnswer>& learnt) {
    bool tell = false;
    {
        const std::lock_guard guard(lock);
        answers.insert(answers.end(), learnt.begin(), learnt.end());
        if (!notified && !answers.empty()) tell = notified = true;
    }
    learnt.clear();
    if (tell) notify();
}

void FileStatusWorker::Shared::Run() {
    using Clock = std::chrono::steady_clock;
    for (;;) {
        std::vector<StatusQuestions> asked;
        uint32_t generation = 0;
        {
            std::unique_lock guard(lock);
            wake.wait(guard, [this] { return stopping || !queue.empty(); });
            if (stopping) return;
            asked.swap(queue);
            generation = newestGeneration;
        }
        std::vector<StatusRequest> batch;
        for (const StatusQuestions& questions : asked) {
            if (questions.Generation() != generation) continue;
            std::vector<StatusRequest> requests = questions.Unpack();
            if (batch.empty()) {
                batch = std::move(requests);
                continue;
            }
            batch.insert(batch.end(), std::make_move_iterator(requests.begin()), std::make_move_iterator(requests.end()));
        }
        std::vector<StatusAnswer> learnt;
        auto handedOver = Clock::now();
        for (const FolderGroup& group : GroupByFolder(std::move(batch))) {
            {
                std::unique_lock guard(lock);
                if (pauses > 0) {
                    // What is learnt is the owner's to take while the worker waits.
                    guard.unlock();
                    HandOver(learnt);
                    handedOver = Clock::now();
                    guard.lock();
                }
                wake.wait(guard, [this] { return stopping || pauses == 0; });
                // Numbered afresh meanwhile, or closing: the rest of the batch is about nothing.
                if (stopping || newestGeneration != generation) break;
            }
            std::vector<StatusAnswer> part = check(group);
            learnt.insert(learnt.end(), part.begin(), part.end());
            if (Clock::now() - handedOver >= std::chrono::milliseconds(kHandOverMs)) {
                HandOver(learnt);
                handedOver = Clock::now();
            }
        }
        HandOver(learnt);
    }
}

FileStatusWorker::FileStatusWorker(CheckGroup check, Notify notify) : shared_(std::make_shared<Shared>()) {
    shared_->check = std::move(check);
    shared_->notify = std::move(notify);
}

FileStatusWorker::~FileStatusWorker() {
    {
        const std::lock_guard guard(shared_->lock);
        shared_->stopping = true;
    }
    shared_->wake.notify_all();
    if (!thread_.joinable()) return;
    if (finished_.wait_for(kStopWait) == std::future_status::ready) {
        thread_.join();
    } else {
        thread_.detach();  // it holds its own share of the state
    }
}

void FileStatusWorker::Ask(StatusQuestions questions) {
    if (questions.Empty()) return;
    if (!thread_.joinable()) {
        std::promise<void> done;
        finished_ = done.get_future();
        thread_ = std::thread([shared = shared_, done = std::move(done)]() mutable {
            shared->Run();
            done.set_value();
        });
    }
    {
        const std::lock_guard guard(shared_->lock);
        shared_->newestGeneration = std::max(shared_->newestGeneration, questions.Generation());
        shared_->queue.push_back(std::move(questions));
    }
    shared_->wake.notify_one();
}

FileStatusWorker::Pause::Pause(FileStatusWorker& worker) : shared_(worker.shared_.get()) {
    const std::lock_guard guard(shared_->lock);
    ++shared_->pauses;
}

FileStatusWorker::Pause::~Pause() {
    {
        const std::lock_guard guard(shared_->lock);
        --shared_->pauses;
    }
    shared_->wake.notify_all();
}

std::vector<StatusAnswer> FileStatusWorker::TakeAnswers() {
    const std::lock_guard guard(shared_->lock);
    shared_->notified = false;
    return std::exchange(shared_->answers, {});
}
