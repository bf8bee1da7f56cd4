#include "RecordDump.h"

#include "model/tables/ParameterTable.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace
{
// The readers take their defaults from the parameter maps; build them as the
// program does at start-up, without their start-up report on stdout.
void buildMapsQuietly()
{
    std::fflush (stdout);
    const int saved = dup (STDOUT_FILENO);
    const int devNull = open ("/dev/null", O_WRONLY);
    if (saved >= 0 && devNull >= 0)
        dup2 (devNull, STDOUT_FILENO);
    buildParameterMaps();
    std::fflush (stdout);
    if (saved >= 0)
    {
        dup2 (saved, STDOUT_FILENO);
        close (saved);
    }
    if (devNull >= 0)
        close (devNull);
}

void usage()
{
    std::fprintf (stderr, "usage: fh_record_dump [--read] <type> <file>\n  types:");
    for (const auto& t : recorddump::recordTypes())
        std::fprintf (stderr, " %s", t.c_str());
    std::fprintf (stderr,
                  "\n  The file holds the record as the device sends it (big-endian).\n"
                  "  --read also upgrades a kit or sound and prints what the readers make of it.\n");
}
} // namespace

int main (int argc, char** argv)
{
    bool read = false;
    int arg = 1;
    if (arg < argc && std::string (argv[arg]) == "--read")
    {
        read = true;
        ++arg;
    }
    if (argc - arg != 2)
    {
        usage();
        return 2;
    }
    const std::string type = argv[arg];
    const auto& types = recorddump::recordTypes();
    if (std::find (types.begin(), types.end(), type) == types.end())
    {
        std::fprintf (stderr, "fh_record_dump: unknown record type '%s'\n", type.c_str());
        usage();
        return 2;
    }
    std::ifstream in (argv[arg + 1], std::ios::binary);
    if (! in)
    {
        std::fprintf (stderr, "fh_record_dump: cannot open %s\n", argv[arg + 1]);
        return 1;
    }
    const std::vector<std::uint8_t> bytes ((std::istreambuf_iterator<char> (in)), std::istreambuf_iterator<char>());

    if (read)
        buildMapsQuietly();
    if (! recorddump::dump (type, bytes, read, stdout))
    {
        std::fprintf (stderr, "fh_record_dump: unknown record type '%s'\n", type.c_str());
        usage();
        return 2;
    }
    return 0;
}
