#include "platform/serial_port.h"
#include "pty_pair.h"

#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>

using namespace tonalink;
namespace fs = std::filesystem;

namespace {

const QString kFailureText =
    QString::fromUtf8("COMポートがオープンできません\n設定を変更し再起動してください。");

class SerialPortTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(modem.ok());
        devices.fill("/nonexistent/ttyS");
        devices[0] = modem.slavePath();
    }

    PtyPair modem;
    std::array<std::string, 8> devices;
    QStringList failures;
    SerialPort port{[this](const QString& text) { failures.append(text); }};
};

TEST_F(SerialPortTest, OpenWritesTheResetLine) {
    EXPECT_EQ(port.open(0, devices), 1);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(modem.read(6), "ATZ0\r\n");
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(SerialPortTest, WritesEveryLineByteExact) {
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    const std::string extra = "AT&F \x82\xa0\r\n"; // the user's command, CP932 bytes kept
    const std::string code = "ATDT" + std::string(300, '5') + "#;\r\n";
    const std::string hangUp = "ATE1V1Q0H0\r\n";
    port.writeLine(extra);
    port.writeLine(code);
    port.writeLine(hangUp);
    const std::string expected = extra + code + hangUp;
    EXPECT_EQ(modem.read(expected.size()), expected);
}

TEST_F(SerialPortTest, ModemAnswersDoNotDisturbWrites) {
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    ASSERT_TRUE(modem.answer("ATZ0\r\r\nOK\r\n"));
    port.writeLine("ATDT123;\r\n");
    EXPECT_EQ(modem.read(10), "ATDT123;\r\n");
}

TEST_F(SerialPortTest, ALineLargerThanTheDriverBufferGoesOutWhole) {
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    const std::string big = "ATDT" + std::string(256 * 1024, '7') + ";\r\n";
    const std::string expected = big + "ATH\r\n";
    auto received = std::async(std::launch::async, [&] { return modem.read(expected.size()); });
    port.writeLine(big);
    port.writeLine("ATH\r\n");
    EXPECT_EQ(received.get(), expected);
}

TEST_F(SerialPortTest, AWriteStillPendingIsDroppedBeforeTheNext) {
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    // Far more than the pseudo-terminal buffers while nobody reads: the wait runs out.
    const std::string stuck(1 << 20, '5');
    port.writeLine(stuck);
    port.writeLine("ATH\r\n");
    const std::string received = modem.read(stuck.size() + 5, 200);
    ASSERT_GE(received.size(), 5u);
    EXPECT_LT(received.size(), stuck.size());
    const std::string head = received.substr(0, received.size() - 5);
    EXPECT_EQ(head, std::string(head.size(), '5'));
    EXPECT_EQ(received.substr(head.size()), "ATH\r\n");
}

TEST_F(SerialPortTest, CloseOnAPseudoTerminalReleasesTheDevice) {
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(modem.slaveClosed());
    port.writeLine("ATDT1;\r\n");
    EXPECT_TRUE(failures.isEmpty());
    // Nothing (lock file, error state) is left behind that would stop a reopen.
    EXPECT_EQ(port.open(0, devices), 1);
    EXPECT_EQ(modem.read(6), "ATZ0\r\n");
}

TEST_F(SerialPortTest, OpeningAnotherPortClosesTheFirst) {
    PtyPair second;
    ASSERT_TRUE(second.ok());
    devices[1] = second.slavePath();
    ASSERT_EQ(port.open(0, devices), 1);
    ASSERT_EQ(modem.read(6), "ATZ0\r\n");
    ASSERT_EQ(port.open(1, devices), 1);
    EXPECT_TRUE(modem.slaveClosed());
    port.writeLine("ATH\r\n");
    EXPECT_EQ(second.read(11), "ATZ0\r\nATH\r\n");
}

struct FailingOpen {
    const char* name;
    int comIndex;
    std::string device; // put at comIndex when it is in range; "FILE" for a plain file
};

class SerialPortFailureTest : public SerialPortTest,
                              public testing::WithParamInterface<FailingOpen> {};

TEST_P(SerialPortFailureTest, ReportsTheFailureAndWritesNothing) {
    const FailingOpen& c = GetParam();
    const fs::path file = fs::temp_directory_path() / ("tl-serial-" + std::to_string(::getpid()));
    if (c.comIndex >= 0 && c.comIndex < 8) {
        devices[static_cast<std::size_t>(c.comIndex)] =
            c.device == "FILE" ? file.string() : c.device;
        std::ofstream(file) << "not a tty";
    }
    EXPECT_EQ(port.open(c.comIndex, devices), 0);
    fs::remove(file);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(failures, QStringList{kFailureText});
    port.writeLine("ATDT123;\r\n");
    // Never falls back to another port, such as COM1 here.
    EXPECT_EQ(modem.read(1, 100), "");
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SerialPortFailureTest,
    testing::Values(FailingOpen{"MissingDevice", 2, "/nonexistent/ttyS2"},
                    FailingOpen{"EmptyDevicePath", 3, ""}, FailingOpen{"PlainFile", 4, "FILE"},
                    FailingOpen{"Directory", 5, "/"}, FailingOpen{"IndexBelowRange", -1, ""},
                    FailingOpen{"IndexAboveRange", 8, ""}),
    [](const testing::TestParamInfo<FailingOpen>& info) { return std::string(info.param.name); });

} // namespace
