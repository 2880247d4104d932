#include "cli/parallel_batch.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "cli/calculator.h"

namespace lirvo::cli {

unsigned defaultJobs() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1u, kMostJobs);
}

namespace {

// Whole lines of the input and, once computed, their output.
struct Block {
    std::string text;  // lines, each with its line feed but perhaps the input's last
    long firstNumber = 0;
    long lines = 0;
    std::string output;
    bool done = false;
};

// Cuts the input into blocks of whole lines, as std::getline sees them: a line ends at a line
// feed, and the text after the last one is a line unless it is empty.
class BlockReader {
  public:
    BlockReader(std::istream& in, size_t blockBytes) : in_(in), blockBytes_(blockBytes) {}

    // The next block into block; false at the end of the input.
    bool next(Block& block) {
        block.text.swap(rest_);  // the start of a line the last block cut
        rest_.clear();
        // Read until the block holds a line feed (a line may be longer than a block); what
        // was carried over has none.
        size_t lineEnd = std::string::npos;
        while (lineEnd == std::string::npos && !ended_) {
            const size_t old = block.text.size();
            block.text.resize(old + blockBytes_);
            in_.read(block.text.data() + old, static_cast<std::streamsize>(blockBytes_));
            block.text.resize(old + static_cast<size_t>(in_.gcount()));
            ended_ = !in_;
            lineEnd = std::string_view(block.text).substr(old).rfind('\n');
            if (lineEnd != std::string::npos) lineEnd += old + 1;
        }
        if (ended_) lineEnd = block.text.size();
        rest_.assign(block.text, lineEnd);
        block.text.resize(lineEnd);
        block.firstNumber = nextNumber_;
        block.lines = 0;
        for (const char *c = block.text.data(), *end = c + block.text.size(); c != end; ++c) {
            c = static_cast<const char*>(std::memchr(c, '\n', end - c));
            ++block.lines;
            if (!c) break;
        }
        nextNumber_ += block.lines;
        block.output.clear();
        block.done = false;
        return block.lines > 0;
    }

  private:
    std::istream& in_;
    const size_t blockBytes_;
    std::string rest_;
    bool ended_ = false;
    long nextNumber_ = 1;
};

void computeBlock(BatchLineRunner& runner, Block& block) {
    std::string_view text = block.text;
    long number = block.firstNumber;
    while (!text.empty()) {
        const size_t feed = text.find('\n');
        runner.run(text.substr(0, feed), number++, block.output);
        text.remove_prefix(feed == std::string_view::npos ? text.size() : feed + 1);
    }
}

// "lirvo-calc: 1200000 righe, 850000 righe/s" on one terminal line, rewritten at most four
// times a second and erased at the end.
class Progress {
  public:
    explicit Progress(std::ostream* terminal) : terminal_(terminal) {}
    ~Progress() {
        if (shown_) *terminal_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
    }

    void linesDone(long lines) {
        if (!terminal_) return;
        const auto now = Clock::now();
        if (now - lastShown_ < std::chrono::milliseconds(250)) return;
        lastShown_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        char text[96];
        const int size = std::snprintf(text, sizeof text, "lirvo-calc: %ld righe, %.0f righe/s",
                                       lines, seconds > 0 ? lines / seconds : 0.0);
        const size_t width = static_cast<size_t>(std::max(size, 0));
        *terminal_ << '\r' << std::string_view(text, width)
                   << std::string(shown_ > width ? shown_ - width : 0, ' ') << std::flush;
        shown_ = std::max(shown_, width);
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream* terminal_;
    const Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_ = start_;
    size_t shown_ = 0;
};

bool writeBlock(std::ostream& out, const Block& block) {
    return static_cast<bool>(
        out.write(block.output.data(), static_cast<std::streamsize>(block.output.size())));
}

// One thread: read, compute, write, block after block.
bool runAlone(BlockReader& reader, std::ostream& out, Progress& progress,
              const BatchOptions& options) {
    BatchLineRunner runner;
    runner.withState = options.withState;
    runner.uls = options.uls;
    Block block;
    long lines = 0;
    while (reader.next(block)) {
        computeBlock(runner, block);
        if (!writeBlock(out, block)) return false;
        progress.linesDone(lines += block.lines);
    }
    return true;
}

// Workers compute the blocks this thread reads and writes in order; at most `inFlight` blocks
// are read and not yet written.
class Pipeline {
  public:
    Pipeline(unsigned jobs, size_t inFlight, const BatchOptions& options)
        : inFlight_(inFlight), withState_(options.withState), uls_(options.uls) {
        for (unsigned i = 0; i < jobs; ++i)
            workers_.emplace_back([this] { work(); });
    }
    ~Pipeline() {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        workReady_.notify_all();
        for (std::thread& worker : workers_)
            worker.join();
    }

    bool run(BlockReader& reader, std::ostream& out, Progress& progress) {
        long lines = 0;
        bool ended = false;
        for (;;) {
            if (!ended && inOrder_.size() < inFlight_) {
                std::unique_ptr<Block> block = spare();
                if (reader.next(*block)) {
                    std::lock_guard lock(mutex_);
                    inOrder_.push_back(block.get());
                    pending_.push_back(block.release());
                    workReady_.notify_one();
                } else {
                    ended = true;
                    spare_.push_back(std::move(block));
                }
                continue;
            }
            if (inOrder_.empty()) return true;
            Block* oldest = inOrder_.front();
            {
                std::unique_lock lock(mutex_);
                blockDone_.wait(lock, [&] { return oldest->done; });
                inOrder_.pop_front();
            }
            std::unique_ptr<Block> written(oldest);
            if (!writeBlock(out, *written)) {
                drop();
                return false;
            }
            progress.linesDone(lines += written->lines);
            spare_.push_back(std::move(written));
        }
    }

  private:
    std::unique_ptr<Block> spare() {
        if (spare_.empty()) return std::make_unique<Block>();
        std::unique_ptr<Block> block = std::move(spare_.back());
        spare_.pop_back();
        return block;
    }

    // After a failed write: nothing more is computed; the blocks in flight are let go once
    // the workers are done with them.
    void drop() {
        std::unique_lock lock(mutex_);
        stopping_ = true;
        workReady_.notify_all();
        for (Block* block : pending_)
            block->done = true;
        pending_.clear();
        blockDone_.wait(lock, [&] {
            return std::all_of(inOrder_.begin(), inOrder_.end(), [](Block* b) { return b->done; });
        });
        for (Block* block : inOrder_)
            delete block;
        inOrder_.clear();
    }

    void work() {
        BatchLineRunner runner;
        runner.withState = withState_;
        runner.uls = uls_;
        for (;;) {
            Block* block;
            {
                std::unique_lock lock(mutex_);
                workReady_.wait(lock, [&] { return stopping_ || !pending_.empty(); });
                if (stopping_) return;
                block = pending_.front();
                pending_.pop_front();
            }
            computeBlock(runner, *block);
            {
                std::lock_guard lock(mutex_);
                block->done = true;
            }
            blockDone_.notify_all();
        }
    }

    const size_t inFlight_;
    const bool withState_;
    const UlsRequest* const uls_;
    std::mutex mutex_;
    std::condition_variable workReady_, blockDone_;
    bool stopping_ = false;
    std::deque<Block*> pending_;  // read, not yet taken by a worker
    std::deque<Block*> inOrder_;  // read, not yet written, in input order (this thread only)
    std::vector<std::unique_ptr<Block>> spare_;
    std::vector<std::thread> workers_;
};

}  // namespace

bool runBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
    BlockReader reader(in, std::max<size_t>(options.blockBytes, 1));
    bool written;
    {
        Progress progress(options.progress);
        if (options.jobs <= 1) {
            written = runAlone(reader, out, progress, options);
        } else {
            Pipeline pipeline(options.jobs, 2 * size_t{options.jobs}, options);
            written = pipeline.run(reader, out, progress);
        }
    }
    return written && out.flush();
}

}  // namespace lirvo::cli
