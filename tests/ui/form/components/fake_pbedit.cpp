// A phone-book editor library whose entry point has another name.
extern "C" __attribute__((visibility("default"))) void PbEditOpen() {}
