// Copies files into a folder with the viewer's copy operation (the same work as SAVE, without
// the window): bench/copy_speed.sh times it beside cp on the same files.
//   bench_copy FILE... TARGET_FOLDER
#include "library/RecordingFileOps.h"

#include <cstdio>
#include <sys/stat.h>

using namespace vemora;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_copy FILE... TARGET_FOLDER\n");
        return 2;
    }
    FileOpPlan plan;
    plan.operation = FileOperation::Copy;
    plan.targetFolder = argv[argc - 1];
    for (int i = 1; i < argc - 1; ++i) {
        std::string source = argv[i];
        struct stat st {};
        if (::stat(source.c_str(), &st) != 0) {
            std::perror(source.c_str());
            return 1;
        }
        const size_t slash = source.find_last_of('/');
        const std::string name = slash == std::string::npos ? source : source.substr(slash + 1);
        plan.jobs.push_back(
            {-1, source, plan.targetFolder + "/" + name, static_cast<uint64_t>(st.st_size), 0});
    }
    FileOpOutcome outcome = RunFileOp(plan);
    for (const FileOpFailure& failure : outcome.failures)
        std::fprintf(stderr, "%s: %s\n", failure.path.c_str(), failure.reason.c_str());
    return outcome.Count(JobResult::Done) == plan.jobs.size() ? 0 : 1;
}
