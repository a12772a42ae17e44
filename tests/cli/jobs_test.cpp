// Many files on several threads (--jobs): the same bytes, in the same order,
// as one thread; and the window of files waiting to be printed stays small.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "cli/ordered_jobs.h"
#include "tests/fixtures/byte_builder.h"
#include "tests/support/corpus.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;  // standard output, then standard error
};

// Runs kelvane-info with `args` (shell-quoted where needed), standard error
// kept apart and put behind standard output.
Outcome RunInfo(const std::string& args, const fs::path& errors) {
  const std::string command =
      std::string(KELVANE_INFO_PATH) + " " + args + " 2>'" + errors.string() + "'";
  Outcome r;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int raw = pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(errors, std::ios::binary);
  r.out += "\n--- stderr ---\n" + std::string(std::istreambuf_iterator<char>(in), {});
  return r;
}

class Jobs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("kelvane-jobs-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_ / "locked.jpg", fs::perms::owner_all, ec);
    fs::remove_all(dir_);
  }

  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }

  // Every form and switch of a batch gives the same with -j 1, -j 2, -j 0
  // and no -j at all.
  void ExpectSameAsOneThread(const std::string& files) {
    for (const char* form : {"--format=json", "--format=text", "--format=csv", "--format=tree",
                             "--format=json --brief --no-xmp"}) {
      const std::string args = std::string(form) + " " + files;
      const Outcome one = RunInfo("-j 1 " + args, dir_ / "e1");
      for (const char* jobs : {"-j 2", "--jobs=3", "-j0", ""}) {
        const Outcome many = RunInfo(std::string(jobs) + " " + args, dir_ / "e2");
        EXPECT_EQ(many.status, one.status) << jobs << " " << form;
        EXPECT_TRUE(many.out == one.out) << jobs << " " << form << ": the output differs";
      }
    }
  }

  fs::path dir_;
};

TEST_F(Jobs, CorpusFolderGivesTheSameBytesAsOneThread) {
  const fs::path corpus = testing::CorpusFolder();
  if (corpus.empty()) GTEST_SKIP() << testing::kNoCorpus;
  ExpectSameAsOneThread("'" + corpus.string() + "'");
}

TEST_F(Jobs, UnreadableAndDamagedFilesGiveTheSameBytesAndStatus) {
  const std::string good = fixtures::Jpeg().Segment(0xFFFE, "hello").Build();
  Write("a-good.jpg", good);
  Write("b-cut.jpg", good.substr(0, good.size() / 2));
  Write("c-not-a-tiff.tif", "this is not a TIFF header");
  Write("d-empty.jpg", "");
  Write("e-good.jpg", good);
  const std::string locked = Write("locked.jpg", good);
  fs::permissions(locked, fs::perms::none);
  const std::string missing = (dir_ / "missing.jpg").string();
  const std::string files = "'" + dir_.string() + "' '" + missing + "' '" + locked + "'";
  ExpectSameAsOneThread(files);
  // A file that cannot be opened fails the call, and the others are read.
  const Outcome r = RunInfo("-j 2 --format=tree " + files, dir_ / "e");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("e-good.jpg ==\n  コメント: hello"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(missing + ": cannot open the file"), std::string::npos) << r.out;
}

TEST_F(Jobs, ThumbnailTakesOneFileAndBadJobCountsAreUsageErrors) {
  const std::string a = Write("a.jpg", fixtures::Jpeg().Segment(0xFFFE, "a").Build());
  const std::string b = Write("b.jpg", fixtures::Jpeg().Segment(0xFFFE, "b").Build());
  const std::string out = (dir_ / "t.jpg").string();
  for (const std::string& args :
       {"-j 2 --thumbnail=" + out + " " + a + " " + b, "-j 0 --thumbnail=" + out + " " + dir_.string(),
        "-j x " + a, "-j -1 " + a, "--jobs= " + a, "-j 100000 " + a, std::string("-j")}) {
    EXPECT_EQ(RunInfo(args, dir_ / "e").status, 2) << args;
  }
  EXPECT_FALSE(fs::exists(out));
}

// However many items there are, at most `window` are made and waiting,
// beside the one being emitted, and the items come out in order.
TEST(RunInOrder, WaitingItemsStayWithinTheWindowInOrder) {
  for (size_t count : {size_t{0}, size_t{1}, size_t{7}, size_t{2000}}) {
    constexpr size_t kWindow = 6;
    std::atomic<size_t> waiting{0}, most{0};
    std::vector<size_t> order;
    cli::RunInOrder<size_t>(
        count, 3, kWindow,
        [&](unsigned, size_t i) {
          const size_t now = ++waiting;
          for (size_t m = most; now > m && !most.compare_exchange_weak(m, now);) {
          }
          return i;
        },
        [&](size_t i, size_t&& made) {
          EXPECT_EQ(i, made);
          order.push_back(made);
          --waiting;
          // A slow printer: the workers run ahead as far as they may.
          if (i % 200 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        });
    ASSERT_EQ(order.size(), count);
    for (size_t i = 0; i < count; ++i) ASSERT_EQ(order[i], i);
    EXPECT_LE(most.load(), kWindow + 1) << count;
  }
}

TEST(RunInOrder, AFailureComesOutInItsTurnAfterTheItemsBeforeIt) {
  std::vector<size_t> emitted;
  EXPECT_THROW(cli::RunInOrder<size_t>(
                   100, 2, 4,
                   [](unsigned, size_t i) -> size_t {
                     if (i == 10) throw std::runtime_error("item 10");
                     return i;
                   },
                   [&](size_t i, size_t&&) { emitted.push_back(i); }),
               std::runtime_error);
  ASSERT_EQ(emitted.size(), 10u);
  EXPECT_EQ(emitted.back(), 9u);
}

}  // namespace
}  // namespace kelvane
