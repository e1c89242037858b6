// Learns file statuses on a thread of its own, so that no question about a file ever holds up
// the window: requests go in at any time, answers come out in batches, and the window is told
// (once per batch waiting, not once per answer) when there are answers to take.
#pragma once

#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "tracking/file_status.h"
#include "tracking/folder_status_check.h"

class FileStatusWorker {
    struct Shared;

public:
    // Answers one folder's questions; runs on the worker's thread.
    using CheckGroup = std::function<std::vector<StatusAnswer>(const FolderGroup&)>;
    // Answers wait to be taken; runs on the worker's thread (post a message from it).
    using Notify = std::function<void()>;
    // Answers are handed over at least this often while a long batch runs.
    static constexpr unsigned kHandOverMs = 50;

    FileStatusWorker(CheckGroup check, Notify notify);
    // Stops the thread. A question the file system never answers does not hold up the caller:
    // after a short wait the thread is left to end on its own.
    ~FileStatusWorker();
    FileStatusWorker(const FileStatusWorker&) = delete;
    FileStatusWorker& operator=(const FileStatusWorker&) = delete;

    // Queues questions (the thread starts with the first). Those of an older generation than the newest seen are dropped unasked.
    void Ask(StatusQuestions questions);
    // The answers so far, in the order they were learnt.
    std::vector<StatusAnswer> TakeAnswers();

    // While one lives, the worker starts no further folder: the owner has work of its own that
    // the worker's calls into the system would slow down (under some systems a long list
    // paints several times slower while another thread lists folders).
    class Pause {
    public:
        explicit Pause(FileStatusWorker& worker);
        ~Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;

    private:
        Shared* shared_;
    };

private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
    std::future<void> finished_;
};
