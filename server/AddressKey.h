// Client addresses: what the server counts per client, and what an address is.
#pragma once

#include <string>

// The key of `address`: an IPv4 address whole, an IPv6 address by its /64 network (one
// subscriber's share), an IPv4 address written as IPv6 as IPv4. Text that is no address is its
// own key.
std::string AddressKey(const std::string& address);

// True for an IPv4 or IPv6 address in its usual text.
bool IsIpAddress(const std::string& text);
