// The report channel: sends text datagrams over IPv4 UDP to one host and port.
// It only sends; its socket is never bound, so the system picks the local address
// and port at the first send.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "online/ServerConfig.h"

namespace corvane {

// Raised by the channel; the text is what the operator sees in the error box.
class ReportSocketError : public Error {
public:
    using Error::Error;
};

// The number given to a host name that cannot be resolved.
inline constexpr int kHostNotFoundError = 11001;

// "Socket Error # <number>\r\n<text>"
std::string SocketErrorText(int number, std::string_view text);

class UdpReportChannel {
public:
    UdpReportChannel() = default;
    ~UdpReportChannel();
    UdpReportChannel(const UdpReportChannel&) = delete;
    UdpReportChannel& operator=(const UdpReportChannel&) = delete;

    // The host (a name or a dotted IPv4 address) is resolved afresh for every datagram.
    void SetHost(std::string host) { host_ = std::move(host); }
    const std::string& Host() const { return host_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    std::uint16_t Port() const { return port_; }

    bool IsOpen() const { return fd_ >= 0; }

    // Creates the socket with broadcasting switched off; does nothing when open.
    // Throws ReportSocketError ("Cannot allocate socket." or a socket error text).
    void Open();
    // Shuts the socket down for sending and closes it; does nothing when closed.
    void Close() noexcept;
    // One datagram holding exactly the bytes of `text`.  Opens the channel first when
    // it is closed.  Throws ReportSocketError: "Socket Error # 11001\r\nHost not
    // found." for a host that cannot be resolved, "Package Size Too Big." for a
    // datagram the system refuses as too large, "Not all bytes sent." for a partial
    // send, otherwise the socket error text of errno.
    void Send(std::string_view text);

private:
    std::string host_ = kDefaultServerHost;
    std::uint16_t port_ = ReportPort;
    int fd_ = -1;
};

}  // namespace corvane
