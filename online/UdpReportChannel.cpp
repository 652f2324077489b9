#include "online/UdpReportChannel.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace corvane {

namespace {

[[noreturn]] void ThrowErrno(int error) {
    throw ReportSocketError(SocketErrorText(error, std::strerror(error)));
}

// A dotted IPv4 literal is used as it stands; any other name is looked up and its
// first IPv4 address taken.  Nothing is cached between datagrams.
in_addr ResolveHost(const std::string& host) {
    in_addr address{};
    if (::inet_pton(AF_INET, host.c_str(), &address) == 1) return address;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        if (found != nullptr) ::freeaddrinfo(found);
        throw ReportSocketError(SocketErrorText(kHostNotFoundError, "Host not found."));
    }
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr;
    ::freeaddrinfo(found);
    return address;
}

}  // namespace

std::string SocketErrorText(int number, std::string_view text) {
    std::string message = "Socket Error # " + std::to_string(number) + "\r\n";
    message.append(text);
    return message;
}

UdpReportChannel::~UdpReportChannel() { Close(); }

void UdpReportChannel::Open() {
    if (IsOpen()) return;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) throw ReportSocketError("Cannot allocate socket.");
    const int broadcast = 0;
    if (::setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &broadcast, sizeof broadcast) != 0) {
        const int error = errno;
        ::close(fd);
        ThrowErrno(error);
    }
    fd_ = fd;
}

void UdpReportChannel::Close() noexcept {
    if (!IsOpen()) return;
    // The socket was never connected, so shutdown() may well report ENOTCONN;
    // closing is what matters.
    ::shutdown(fd_, SHUT_WR);
    ::close(fd_);
    fd_ = -1;
}

void UdpReportChannel::Send(std::string_view text) {
    if (!IsOpen()) Open();

    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port_);
    target.sin_addr = ResolveHost(host_);

    ssize_t sent;
    do {
        sent = ::sendto(fd_, text.data(), text.size(), 0,
                        reinterpret_cast<const sockaddr*>(&target), sizeof target);
    } while (sent < 0 && errno == EINTR);
    if (sent < 0) {
        const int error = errno;
        if (error == EMSGSIZE) throw ReportSocketError("Package Size Too Big.");
        ThrowErrno(error);
    }
    if (static_cast<std::size_t>(sent) < text.size())
        throw ReportSocketError("Not all bytes sent.");
}

}  // namespace corvane
