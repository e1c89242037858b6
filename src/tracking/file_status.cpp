// The board of file statuses: who is wanted, who is asked, what is known.
#include "tracking/file_status.h"

std::string PathRoot(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        return std::string(path.substr(0, 2)) + "\\";
    }
    const bool unc = path.size() > 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/');
    if (!unc) return {};
    // \\server\share\ : the separator after the share, or the whole path when there is none.
    size_t separators = 0;
    for (size_t i = 2; i < path.size(); ++i) {
        if ((path[i] == '\\' || path[i] == '/') && ++separators == 2) return std::string(path.substr(0, i + 1));
    }
    return std::string(path) + "\\";
}

FileStatusBoard::Entry& FileStatusBoard::At(uint32_t document) {
    if (entries_.size() <= document) entries_.resize(static_cast<size_t>(document) + 1);
    return entries_[document];
}

const FileStatus* FileStatusBoard::Peek(uint32_t document) const {
    if (document >= entries_.size() || !entries_[document].known) return nullptr;
    return &entries_[document].status;
}

const FileStatus* FileStatusBoard::Find(uint32_t document) {
    Entry& entry = At(document);
    if ((!entry.known || entry.doubted) && !entry.wanted && !entry.asked) {
        entry.wanted = true;
        wanted_.push_back(document);
    }
    return entry.known ? &entry.status : nullptr;
}

void StatusQuestions::Reserve(size_t questions, size_t pathBytes) {
    questions_.reserve(questions);
    paths_.reserve(pathBytes);
}

void StatusQuestions::Add(uint32_t document, std::string_view path) {
    paths_ += path;
    questions_.push_back({document, paths_.size()});
}

std::vector<StatusRequest> StatusQuestions::Unpack() const {
    std::vector<StatusRequest> requests;
    requests.reserve(questions_.size());
    size_t start = 0;
    for (const Question& question : questions_) {
        requests.push_back({question.document, paths_.substr(start, question.pathEnd - start), generation_});
        start = question.pathEnd;
    }
    return requests;
}

StatusQuestions FileStatusBoard::TakeQuestions(const std::function<std::string_view(uint32_t)>& path) {
    // Room for every path at once: under some systems each first touch of fresh memory costs
    // more than the copy, and a growing buffer touches it again at each move.
    size_t pathBytes = 0;
    for (const uint32_t document : wanted_) pathBytes += path(document).size();
    StatusQuestions questions(generation_);
    questions.Reserve(wanted_.size(), pathBytes);
    for (const uint32_t document : wanted_) {
        Entry& entry = entries_[document];
        if (!entry.wanted) continue;  // settled meanwhile
        entry.wanted = false;
        entry.asked = true;
        questions.Add(document, path(document));
    }
    outstanding_ += questions.Size();
    wanted_.clear();
    return questions;
}

void FileStatusBoard::Record(Entry& entry, const FileStatus& status, Changes& changes) {
    // Until it was known, a document counted as existing: the list shows it while it is checked.
    const bool existed = !entry.known || entry.status.exists;
    if (existed && !status.exists) changes.vanished.push_back(static_cast<uint32_t>(&entry - entries_.data()));
    if (entry.known && !entry.status.exists && status.exists) changes.appeared = true;
    if (entry.known && entry.status.exists && status.exists && !(entry.status == status)) changes.sizesOrTimes = true;
    if (entry.asked) --outstanding_;
    entry = Entry{status, true, false, false, false};
}

FileStatusBoard::Changes FileStatusBoard::Apply(const std::vector<StatusAnswer>& answers) {
    Changes changes;
    for (const StatusAnswer& answer : answers) {
        if (answer.generation != generation_ || answer.document >= entries_.size()) continue;
        Entry& entry = entries_[answer.document];
        if (entry.asked) Record(entry, answer.status, changes);
    }
    return changes;
}

FileStatusBoard::Changes FileStatusBoard::Settle(const std::vector<StatusAnswer>& answers) {
    Changes changes;
    for (const StatusAnswer& answer : answers) {
        if (answer.generation != generation_) continue;
        Record(At(answer.document), answer.status, changes);
    }
    return changes;
}

void FileStatusBoard::DoubtAll() {
    for (Entry& entry : entries_) entry.doubted = entry.known;
}

void FileStatusBoard::ForgetAll() {
    entries_.clear();
    wanted_.clear();
    outstanding_ = 0;
    ++generation_;
}
