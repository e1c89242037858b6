// One thread, one queue in and one out, both under one lock; the file system is asked outside it.
#include "tracking/file_status_worker.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <future>
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
    std::vector<StatusRequest> queue;
    std::vector<StatusAnswer> answers;
    uint32_t newestGeneration = 0;
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
        std::vector<StatusRequest> batch;
        uint32_t generation = 0;
        {
            std::unique_lock guard(lock);
            wake.wait(guard, [this] { return stopping || !queue.empty(); });
            if (stopping) return;
            batch.swap(queue);
            generation = newestGeneration;
        }
        std::erase_if(batch, [generation](const StatusRequest& request) { return request.generation != generation; });
        std::vector<StatusAnswer> learnt;
        auto handedOver = Clock::now();
        for (const FolderGroup& group : GroupByFolder(std::move(batch))) {
            {
                const std::lock_guard guard(lock);
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

void FileStatusWorker::Ask(std::vector<StatusRequest> requests) {
    if (requests.empty()) return;
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
        for (const StatusRequest& request : requests) {
            shared_->newestGeneration = std::max(shared_->newestGeneration, request.generation);
        }
        shared_->queue.insert(shared_->queue.end(), std::make_move_iterator(requests.begin()),
                              std::make_move_iterator(requests.end()));
    }
    shared_->wake.notify_one();
}

std::vector<StatusAnswer> FileStatusWorker::TakeAnswers() {
    const std::lock_guard guard(shared_->lock);
    shared_->notified = false;
    return std::exchange(shared_->answers, {});
}
