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

// Memory of the blocks read and not yet written: input and computed output.
constexpr size_t kBytesInFlight = size_t{16} << 20;
// Memory kept by written blocks for reuse.
constexpr size_t kSpareBytes = size_t{4} << 20;
// Output of one batch line, about and at most: its events, STATE and ULS lines (a few
// hundred bytes), and a DOMAIN line for each point of a domain.
constexpr size_t kLineOutputBytes = 2048, kDomainLineBytes = 96;

// Whole lines of the input and, once computed, their output.
struct Block {
    std::string text;  // lines, each with its line feed but perhaps the input's last
    long firstNumber = 0;
    long lines = 0;
    std::string output;
    bool done = false;

    size_t bytes() const { return text.size() + output.size(); }
};

// Cuts the input into blocks of whole lines, as std::getline sees them: a line ends at a line
// feed, and the text after the last one is a line unless it is empty. A block holds about
// blockBytes and at most blockLines lines. Of a line longer than kMostBatchLineBytes only the
// first kMostBatchLineBytes + 1 bytes are kept, enough for it to be refused, and the rest is
// read past: memory stays bounded whatever the input, a stream of zeros included.
class BlockReader {
  public:
    BlockReader(std::istream& in, size_t blockBytes, long blockLines)
        : in_(in), blockBytes_(blockBytes), blockLines_(blockLines) {}

    // The next block into block; false at the end of the input (or at a read error).
    bool next(Block& block) {
        std::string& text = block.text;
        text.swap(rest_);  // lines a block left over, perhaps the start of one cut
        rest_.clear();
        size_t lineEnd = text.rfind('\n');
        if (lineEnd != std::string::npos) ++lineEnd;
        while (lineEnd == std::string::npos && !ended_) {
            size_t searched = text.size();  // holds no line feed
            readMore(text);
            if (skipping_) {  // then nothing was carried over
                skipPastLineFeed(text);
                searched = 0;
            }
            lineEnd = std::string_view(text).substr(searched).rfind('\n');
            if (lineEnd != std::string::npos) {
                lineEnd += searched + 1;
            } else if (text.size() > kMostBatchLineBytes) {
                text.resize(kMostBatchLineBytes + 1);  // enough to be refused by its length
                skipping_ = true;
                lineEnd = text.size();
            }
        }
        if (lineEnd == std::string::npos) lineEnd = text.size();  // the input's last line
        block.lines = 0;
        size_t cut = 0;
        while (cut < lineEnd && block.lines < blockLines_) {
            const void* feed = std::memchr(text.data() + cut, '\n', lineEnd - cut);
            cut = feed ? static_cast<const char*>(feed) - text.data() + 1 : lineEnd;
            ++block.lines;
        }
        rest_.assign(text, cut);
        text.resize(cut);
        block.firstNumber = nextNumber_;
        nextNumber_ += block.lines;
        block.output.clear();
        block.done = false;
        return block.lines > 0;
    }

    // The input failed to be read (not its end).
    bool failed() const { return failed_; }

  private:
    void readMore(std::string& text) {
        const size_t old = text.size();
        text.resize(old + blockBytes_);
        in_.read(text.data() + old, static_cast<std::streamsize>(blockBytes_));
        text.resize(old + static_cast<size_t>(in_.gcount()));
        ended_ = !in_;
        failed_ = in_.bad();
    }

    // Drops what is left of an over-long line: the text up to its line feed.
    void skipPastLineFeed(std::string& text) {
        const size_t feed = text.find('\n');
        text.erase(0, feed == std::string::npos ? text.size() : feed + 1);
        skipping_ = feed == std::string::npos;
    }

    std::istream& in_;
    const size_t blockBytes_;
    const long blockLines_;
    std::string rest_;
    bool ended_ = false, failed_ = false;
    bool skipping_ = false;  // within a line already cut at its bound
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
    runner.withBars = options.withBars;
    Block block;
    long lines = 0;
    while (reader.next(block)) {
        computeBlock(runner, block);
        if (!writeBlock(out, block)) return false;
        progress.linesDone(lines += block.lines);
    }
    return true;
}

// Workers compute the blocks this thread reads and writes in order. At most `inFlight` blocks
// are read and not yet written, and no more is read while they hold kBytesInFlight: a
// block's output, known once computed, may be twenty times its input (STATE lines).
class Pipeline {
  public:
    Pipeline(unsigned jobs, size_t inFlight, const BatchOptions& options)
        : inFlight_(inFlight),
          withState_(options.withState),
          uls_(options.uls),
          withBars_(options.withBars) {
        for (unsigned i = 0; i < jobs; ++i)
            workers_.emplace_back([this] { work(); });
    }
    // Also when reading throws: the workers finish the block in hand and stop before the
    // blocks they point to go.
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
            if (!ended && inOrder_.size() < inFlight_ && roomToRead()) {
                std::unique_ptr<Block> block = spare();
                if (reader.next(*block)) {
                    std::lock_guard lock(mutex_);
                    bytesInFlight_ += block->bytes();
                    pending_.push_back(block.get());
                    inOrder_.push_back(std::move(block));
                    workReady_.notify_one();
                } else {
                    ended = true;
                    recycle(std::move(block));
                }
                continue;
            }
            if (inOrder_.empty()) return true;
            std::unique_ptr<Block> oldest;
            {
                std::unique_lock lock(mutex_);
                blockDone_.wait(lock, [&] { return inOrder_.front()->done; });
                oldest = std::move(inOrder_.front());
                inOrder_.pop_front();
                bytesInFlight_ -= oldest->bytes();
            }
            if (!writeBlock(out, *oldest)) {
                drop();
                return false;
            }
            progress.linesDone(lines += oldest->lines);
            recycle(std::move(oldest));
        }
    }

  private:
    // Before the first block is read there is always room: a line longer than the budget
    // goes through alone.
    bool roomToRead() {
        std::lock_guard lock(mutex_);
        return inOrder_.empty() || bytesInFlight_ < kBytesInFlight;
    }

    std::unique_ptr<Block> spare() {
        if (spare_.empty()) return std::make_unique<Block>();
        std::unique_ptr<Block> block = std::move(spare_.back());
        spare_.pop_back();
        spareBytes_ -= block->text.capacity() + block->output.capacity();
        return block;
    }

    // Written blocks keep their memory for the next ones, up to kSpareBytes in all.
    void recycle(std::unique_ptr<Block> block) {
        size_t bytes = block->text.capacity() + block->output.capacity();
        if (spareBytes_ + bytes > kSpareBytes) {
            *block = Block();
            bytes = 0;
        }
        spareBytes_ += bytes;
        spare_.push_back(std::move(block));
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
            return std::ranges::all_of(inOrder_, [](const auto& b) { return b->done; });
        });
        inOrder_.clear();
    }

    void work() {
        BatchLineRunner runner;
        runner.withState = withState_;
        runner.uls = uls_;
        runner.withBars = withBars_;
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
                bytesInFlight_ += block->output.size();
            }
            blockDone_.notify_all();
        }
    }

    const size_t inFlight_;
    const bool withState_;
    const UlsRequest* const uls_;
    const bool withBars_;
    std::mutex mutex_;
    std::condition_variable workReady_, blockDone_;
    bool stopping_ = false;
    size_t bytesInFlight_ = 0;    // input and output of the blocks in inOrder_
    std::deque<Block*> pending_;  // read, not yet taken by a worker; owned by inOrder_
    std::deque<std::unique_ptr<Block>> inOrder_;  // read, not yet written, in input order
    std::vector<std::unique_ptr<Block>> spare_;
    size_t spareBytes_ = 0;
    std::vector<std::thread> workers_;
};

}  // namespace

BatchEnd runBatch(std::istream& in, std::ostream& out, const BatchOptions& options) {
    // Output grows with the lines, not with their bytes: many threads take shorter blocks,
    // and lines of long output (a domain of many points) fewer blocks in flight.
    const size_t lineOutput =
        kLineOutputBytes + kDomainLineBytes * size_t(options.uls ? options.uls->domainPoints : 0);
    const size_t inFlight =
        std::clamp<size_t>(kBytesInFlight / lineOutput, 2, 2 * size_t{std::max(options.jobs, 1u)});
    const long blockLines =
        static_cast<long>(std::max<size_t>(1, kBytesInFlight / (inFlight * lineOutput)));
    BlockReader reader(in, std::max<size_t>(options.blockBytes, 1), blockLines);
    bool written;
    {
        Progress progress(options.progress);
        if (options.jobs <= 1) {
            written = runAlone(reader, out, progress, options);
        } else {
            Pipeline pipeline(options.jobs, inFlight, options);
            written = pipeline.run(reader, out, progress);
        }
    }
    if (!written || !out.flush()) return BatchEnd::kOutputFailed;
    return reader.failed() ? BatchEnd::kInputFailed : BatchEnd::kComplete;
}

}  // namespace lirvo::cli
