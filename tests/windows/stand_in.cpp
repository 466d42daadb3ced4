// Stands in for another program's file, such as its uninstaller: when it runs, it writes a
// line with its arguments to ran.txt beside itself, so a test can tell whether anything ran it.
#include <windows.h>

#include <fstream>
#include <string>

int main(int argc, char** argv) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string log(path);
    log = log.substr(0, log.find_last_of('\\') + 1) + "ran.txt";
    std::ofstream out(log, std::ios::app);
    out << "ran";
    for (int i = 1; i < argc; ++i) out << ' ' << argv[i];
    out << '\n';
    return 0;
}
