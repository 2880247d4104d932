// lirvo-calc --batch over several threads writes what one thread writes, and stops cleanly
// when its output fails, also on an input that never ends.
#include "cli/parallel_batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/calculator.h"
#include "tools/random_batch/batch_lines.h"

namespace lirvo::cli {
namespace {

// Generated lines of all eight cases, with every kind of line a batch meets: refusals (a 0
// where a datum is missing), ERROR lines, CR line ends and no line feed after the last.
std::string mixedBatch(int lines) {
    auto source = random_batch::LineSource::make(2024, "");
    std::string text, line;
    for (int i = 0; i < lines; ++i) {
        line.clear();
        source->appendLine(line);
        line.pop_back();
        if (i % 11 == 3) {
            const size_t first = line.find('\t') + 1;
            line.replace(first, line.find('\t', first) - first, "0");
        }
        if (i % 13 == 5) line = i % 2 ? "" : "x\t1";
        if (i % 17 == 8) line += "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10";
        text += line + (i % 7 == 2 ? "\r\n" : "\n");
    }
    text.pop_back();
    return text;
}

// The batch as one thread runs it, line by line as std::getline cuts them.
std::string lineByLine(const std::string& text) {
    std::istringstream in(text);
    BatchLineRunner runner;
    std::string out;
    long number = 0;
    for (std::string line; std::getline(in, line);)
        runner.run(line, ++number, out);
    return out;
}

TEST(ParallelBatch, WritesWhatOneThreadWritesInInputOrder) {
    const std::string text = mixedBatch(5000);
    const std::string expected = lineByLine(text);
    for (const char* kind : {"\tERROR\t", "\tMESSAGE\t", "\tNOTICE\t", "\n5000\t"})
        ASSERT_NE(expected.find(kind), std::string::npos) << kind;
    for (unsigned jobs : {1u, 2u, 3u, 8u}) {
        for (size_t blockBytes : {size_t{1}, size_t{4096}, size_t{128 * 1024}}) {
            std::istringstream in(text);
            std::ostringstream out;
            EXPECT_EQ(runBatch(in, out, {jobs, nullptr, blockBytes}), BatchEnd::kComplete);
            EXPECT_TRUE(out.str() == expected) << jobs << " jobs, blocks of " << blockBytes;
        }
    }
}

// Lines of rectangular checks without end, counting the bytes read.
class EndlessLines : public std::streambuf {
  public:
    long long read() const { return read_; }

  protected:
    int_type underflow() override {
        static constexpr char kLine[] = "1\t25\t3\t77\t8.04\t1.01\t10\t1000000\n";
        for (size_t i = 0; i + sizeof kLine <= sizeof buffer_; i += sizeof kLine - 1)
            std::copy(kLine, kLine + sizeof kLine - 1, buffer_ + i);
        const size_t filled = sizeof buffer_ / (sizeof kLine - 1) * (sizeof kLine - 1);
        setg(buffer_, buffer_, buffer_ + filled);
        read_ += filled;
        return traits_type::to_int_type(buffer_[0]);
    }

  private:
    char buffer_[4096];
    long long read_ = 0;
};

// An output that takes so many bytes and then fails, as a pipe closed by its reader.
class ClosingPipe : public std::streambuf {
  public:
    explicit ClosingPipe(long long room) : room_(room) {}
    const std::string& taken() const { return taken_; }

  protected:
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        const long long room = room_ - static_cast<long long>(taken_.size());
        const std::streamsize took = std::clamp<std::streamsize>(n, 0, room);
        taken_.append(s, static_cast<size_t>(took));
        return took;
    }
    int_type overflow(int_type) override { return traits_type::eof(); }  // a batch writes blocks

  private:
    long long room_;
    std::string taken_;
};

TEST(ParallelBatch, EndsCleanlyWhenItsOutputClosesHalfWay) {
    const std::string text = mixedBatch(3000);
    const std::string expected = lineByLine(text);
    for (unsigned jobs : {1u, 2u, 8u}) {
        std::istringstream in(text);
        ClosingPipe pipe(expected.size() / 2);
        std::ostream out(&pipe);
        EXPECT_EQ(runBatch(in, out, {jobs, nullptr, 1024}), BatchEnd::kOutputFailed) << jobs;
        EXPECT_EQ(pipe.taken(), expected.substr(0, pipe.taken().size())) << jobs;
        EXPECT_FALSE(in.eof()) << jobs;

        // An input that never ends: reading stops with the output, a few blocks ahead.
        EndlessLines endless;
        std::istream forever(&endless);
        ClosingPipe closing(1 << 20);
        std::ostream closed(&closing);
        EXPECT_EQ(runBatch(forever, closed, {jobs, nullptr, 64 * 1024}), BatchEnd::kOutputFailed)
            << jobs;
        EXPECT_LT(endless.read(), (1 << 20) + (2 * jobs + 2) * 64 * 1024 + 4096) << jobs;
    }
}

// A line beyond the bound gives one ERROR and the next line is read as usual, for any
// number of threads and any block size; the bound itself is a line like any other.
TEST(ParallelBatch, ALineBeyondItsBoundIsRefusedAndReadingGoesOnAtTheNextLineFeed) {
    const std::string check = "1\t25\t3\t77\t8.04\t1.01\t10\t1000000";
    const std::string atBound = "x" + std::string(kMostBatchLineBytes - 1, 'y');
    const std::string beyond = std::string(kMostBatchLineBytes + 1, '\0');
    const std::string text = check + "\n" + beyond + "\n" + atBound + "\n" + check + "\n" + beyond;
    BatchLineRunner runner;
    std::string first, fourth;
    runner.run(check, 1, first);
    runner.run(check, 4, fourth);
    const std::string tooLong = "\tERROR\triga troppo lunga: oltre 1048576 byte\n";
    const std::string expected = first + "2" + tooLong + "3\tERROR\tcaso sconosciuto: " +
                                 std::string(40, 'y').replace(0, 1, "x") + "…\n" + fourth + "5" +
                                 tooLong;
    for (unsigned jobs : {1u, 3u}) {
        for (size_t blockBytes : {size_t{4096}, size_t{3} << 20}) {
            std::istringstream in(text);
            std::ostringstream out;
            EXPECT_EQ(runBatch(in, out, {jobs, nullptr, blockBytes}), BatchEnd::kComplete);
            EXPECT_TRUE(out.str() == expected) << jobs << " jobs, blocks of " << blockBytes;
        }
    }
}

// STATE lines make each output twenty times its line: 256 threads read a few megabytes ahead
// of the output, not a block each (32 MiB), on an input that never ends.
TEST(ParallelBatch, ManyThreadsReadAheadByBytesNotByBlocks) {
    EndlessLines endless;
    std::istream forever(&endless);
    ClosingPipe closing(1 << 20);
    std::ostream closed(&closing);
    BatchOptions options{256, nullptr, 64 * 1024};
    options.withState = true;
    EXPECT_EQ(runBatch(forever, closed, options), BatchEnd::kOutputFailed);
    EXPECT_LT(endless.read(), 8 << 20);
}

}  // namespace
}  // namespace lirvo::cli
