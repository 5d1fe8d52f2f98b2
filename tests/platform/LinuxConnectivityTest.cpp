#include "platform/LinuxConnectivity.h"

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <gtest/gtest.h>

namespace {

const char kIpv4Header[] = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask"
                           "\t\tMTU\tWindow\tIRTT\n";
const char kIpv4Subnet[] = "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
const char kIpv6Local[] = // fe80::/64 and the loopback "unreachable" default every host has
    "fe800000000000000000000000000000 40 00000000000000000000000000000000 00 "
    "00000000000000000000000000000000 00000100 00000002 00000000 00000001     eth0\n"
    "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
    "00000000000000000000000000000000 ffffffff 00000001 00000000 00200200       lo\n";

class LinuxConnectivityTest : public ::testing::Test
{
protected:
    QTemporaryDir temp;
    QString ipv4 = temp.path() + QStringLiteral("/route");
    QString ipv6 = temp.path() + QStringLiteral("/ipv6_route");

    void write(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    Connectivity::State check() { return LinuxConnectivity(ipv4, ipv6).check(); }

    void expectOffline()
    {
        const Connectivity::State state = check();
        EXPECT_FALSE(state.connected);
        EXPECT_EQ(state.flags, 0x20u);
    }
};

} // namespace

TEST_F(LinuxConnectivityTest, DefaultRouteOnEthernetIsConnectedOverLan)
{
    write(ipv4,
          QByteArray(kIpv4Header) + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
              + kIpv4Subnet);
    write(ipv6, kIpv6Local);

    const Connectivity::State state = check();
    EXPECT_TRUE(state.connected);
    EXPECT_EQ(state.flags, 0x42u);
}

TEST_F(LinuxConnectivityTest, OnlyLocalRoutesAreOffline)
{
    write(ipv4,
          QByteArray(kIpv4Header) + kIpv4Subnet
              + "lo\t00000000\t00000000\t0001\t0\t0\t0\t00000000\t0\t0\t0\n");
    write(ipv6, kIpv6Local);
    expectOffline();
}

TEST_F(LinuxConnectivityTest, DefaultRoutesThatAreDownOrUnreachableAreOffline)
{
    write(ipv4,
          QByteArray(kIpv4Header) + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"
              + "*\t00000000\t00000000\t0201\t0\t0\t0\t00000000\t0\t0\t0\n");
    write(ipv6,
          QByteArray(kIpv6Local)
              + "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                "00000000000000000000000000000000 ffffffff 00000001 00000000 00000201 "
                "wlan0\n");
    expectOffline();
}

TEST_F(LinuxConnectivityTest, AnIpv6DefaultRouteAloneIsConnected)
{
    write(ipv4, QByteArray(kIpv4Header) + kIpv4Subnet);
    write(ipv6,
          QByteArray(kIpv6Local)
              + "00000000000000000000000000000000 00 00000000000000000000000000000000 00 "
                "fe800000000000000000000000000001 00000400 00000002 00000000 00000003 "
                "wlp2s0\n");

    EXPECT_TRUE(check().connected);
}

TEST_F(LinuxConnectivityTest, MissingOrGarbageFilesAreOffline)
{
    expectOffline(); // neither file exists

    write(ipv4, "");
    write(ipv6, "");
    expectOffline();

    QByteArray garbage("eth0 00000000\n00000000 eth0 0003\n");
    garbage += QByteArray("\x01\xff\x00 binary", 10) + QByteArray(5000, 'x');
    garbage += "\neth0\t00000000\tzz\tnothex\t0\t0\t0\t00000000\n";
    garbage += "eth0\t00000000\t010200C0\t0003\t0\t0\t0\n"; // cut short before the mask
    write(ipv4, garbage);
    write(ipv6, "00000000000000000000000000000000 00\n:: 00 :: 00 :: 0 0 0 3 eth0\n");
    expectOffline();
}

TEST(LinuxConnectivity, ReadsThisMachineWithoutFailing)
{
    // Whatever the network here, the real files are read and the flags agree with the answer.
    const Connectivity::State state = LinuxConnectivity().check();
    EXPECT_EQ(state.flags, state.connected ? 0x42u : 0x20u);
}

TEST(LinuxConnectivity, AgreesWithAPlainReadingOfTheKernelRouteTable)
{
    // Files under /proc report a size of 0: a reader that trusts the size sees no routes.
    std::ifstream routes("/proc/net/route");
    if (!routes)
        GTEST_SKIP() << "no /proc/net/route here";
    bool expected = false;
    std::string iface, destination, gateway, flags, refcnt, use, metric, mask;
    std::getline(routes, iface); // header
    while (routes >> iface >> destination >> gateway >> flags >> refcnt >> use >> metric >> mask) {
        routes.ignore(1 << 12, '\n');
        if (iface != "lo" && destination == "00000000" && mask == "00000000"
            && (std::stoul(flags, nullptr, 16) & 0x1))
            expected = true;
    }
    EXPECT_EQ(LinuxConnectivity::hasIpv4DefaultRoute("/proc/net/route"), expected);
}
