// Stands in for the pager-type editor: adds one type to call.dat in the current
// folder, as a user of the editor would, and returns.
#include <fstream>

extern "C" __attribute__((visibility("default"))) void TypeEditOpenMain() {
    std::ofstream("call.dat", std::ios::binary | std::ios::app) << "\r\n[Added]\r\nMsgCount=10\r\n";
}
