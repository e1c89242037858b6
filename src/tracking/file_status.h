// What the document list knows about each document's file. Learning it can take long (a missing
// file in a folder that exists costs a search under some file systems, a share may not answer),
// so it is asked for in batches and answered later, off the window's thread. The board keeps the
// answers until there is a reason to doubt them, and says what is still outstanding.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct FileStatus {
    bool exists = false;
    uint64_t size = 0;
    uint64_t created = 0;   // UTC, 100 ns units since 1601
    uint64_t modified = 0;  // UTC, 100 ns units since 1601

    bool operator==(const FileStatus&) const = default;
};

// The part of a path that a share or drive answers for: "C:\", "\\server\share\", or empty
// for a relative path.
std::string PathRoot(std::string_view path);

// A question about one document, stamped with the board's generation: an answer to a question
// asked before the documents were numbered afresh is about another document and is dropped.
struct StatusRequest {
    uint32_t document = 0;
    std::string path;
    uint32_t generation = 0;
};

// Questions as the board hands them over: every path in one buffer, so that taking a great
// many costs the window one copy instead of an allocation per question. The worker unpacks
// them on its own thread.
class StatusQuestions {
public:
    explicit StatusQuestions(uint32_t generation = 0) : generation_(generation) {}
    void Reserve(size_t questions, size_t pathBytes);
    void Add(uint32_t document, std::string_view path);
    size_t Size() const { return questions_.size(); }
    bool Empty() const { return questions_.empty(); }
    uint32_t Generation() const { return generation_; }
    std::vector<StatusRequest> Unpack() const;

private:
    struct Question {
        uint32_t document = 0;
        size_t pathEnd = 0;  // in paths_; the path begins where the one before ends
    };
    uint32_t generation_ = 0;
    std::string paths_;
    std::vector<Question> questions_;
};

struct StatusAnswer {
    uint32_t document = 0;
    FileStatus status;
    uint32_t generation = 0;
};

// Answers a batch at once, on the calling thread.
using CheckStatuses = std::function<std::vector<StatusAnswer>(const std::vector<StatusRequest>&)>;

class FileStatusBoard {
public:
    // The status of a document, or nothing while it is not known. An unknown document is noted
    // as wanted, once, until it is answered; a doubted one is still given, and asked again.
    const FileStatus* Find(uint32_t document);
    // The status without noting anything.
    const FileStatus* Peek(uint32_t document) const;

    // The documents wanted since the last call, each once; `path` names a document's file.
    StatusQuestions TakeQuestions(const std::function<std::string_view(uint32_t)>& path);

    // What a batch of answers changed.
    struct Changes {
        std::vector<uint32_t> vanished;  // known (or shown as maybe) existing before, missing now
        bool appeared = false;           // a document known to be missing exists now
        bool sizesOrTimes = false;       // an existing document's size or times changed
    };
    // Answers to questions taken from the board; an answer nobody waits for (given already, or
    // of an older generation) is dropped.
    Changes Apply(const std::vector<StatusAnswer>& answers);
    // Answers learnt outside the board's questions (a document checked at once), which stand
    // whatever was asked before.
    Changes Settle(const std::vector<StatusAnswer>& answers);
    // A question about a document outside the board's batches, for Settle.
    StatusRequest RequestFor(uint32_t document, std::string_view path) const { return {document, std::string(path), generation_}; }

    // Questions asked and not answered yet.
    size_t Outstanding() const { return outstanding_; }

    // Every status may be out of date: each is kept for showing and asked again when next wanted.
    void DoubtAll();
    // Nothing known applies any more (the documents were numbered afresh).
    void ForgetAll();

private:
    struct Entry {
        FileStatus status;
        bool known = false;
        bool doubted = false;
        bool wanted = false;  // on the list of questions to take
        bool asked = false;   // taken, not answered yet
    };
    Entry& At(uint32_t document);
    void Record(Entry& entry, const FileStatus& status, Changes& changes);

    std::vector<Entry> entries_;
    std::vector<uint32_t> wanted_;
    size_t outstanding_ = 0;
    uint32_t generation_ = 0;
};
