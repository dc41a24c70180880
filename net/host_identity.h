// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vaeloric::net {

// The host's TLS identity: a private key and a self-signed certificate,
// made on first use and kept, so that invitations sent earlier stay valid.
// Guests trust the certificate by its fingerprint alone.
struct THostIdentity {
    std::string keyPem;
    std::string certificatePem;
    std::string fingerprint;  // SHA-256 of the certificate's DER form, 64 lower-case hex digits
};

// Makes a new identity: an elliptic-curve P-256 key and a certificate signed
// with it, valid for ten years. False (with a sentence) if the library fails.
bool MakeHostIdentity(THostIdentity& identity, std::string& problem);

// Reads the identity kept in `folder` (host-key.pem, host-certificate.pem),
// or makes one and keeps it there (the key readable by its owner only).
// A damaged or mismatched pair is refused with a sentence, never replaced
// silently.
bool LoadOrMakeHostIdentity(const std::string& folder, THostIdentity& identity,
                            std::string& problem);

// Checks a key and certificate pair and fills in the fingerprint.
bool CheckHostIdentity(THostIdentity& identity);

// The folder the programs keep the identity in:
// $XDG_DATA_HOME/vaeloric/network (default ~/.local/share/vaeloric/network).
std::string DefaultIdentityFolder();

}  // namespace vaeloric::net
