// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/host_identity.h"

#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <QCryptographicHash>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <memory>

#include "flow/safe_file.h"

// Qt 6.4 can use a key and a certificate but cannot make either, so they
// are made with OpenSSL's libcrypto, the library Qt's own TLS runs on.

namespace vaeloric::net {

namespace {

template <typename T, void (*Free)(T*)>
struct TFree {
    void operator()(T* p) const { Free(p); }
};
using TKey = std::unique_ptr<EVP_PKEY, TFree<EVP_PKEY, EVP_PKEY_free>>;
using TCertificate = std::unique_ptr<X509, TFree<X509, X509_free>>;
using TBio = std::unique_ptr<BIO, TFree<BIO, BIO_free_all>>;
using TNumber = std::unique_ptr<BIGNUM, TFree<BIGNUM, BN_free>>;

constexpr std::size_t kMaxPemBytes = 16 * 1024;
constexpr long kValidSeconds = 10L * 365 * 24 * 3600;

std::string BioText(BIO* bio) {
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return size > 0 ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

TBio ReadBio(const std::string& text) {
    return TBio(BIO_new_mem_buf(text.data(), static_cast<int>(text.size())));
}

std::string Fingerprint(X509* certificate) {
    unsigned char* der = nullptr;
    const int size = i2d_X509(certificate, &der);
    if (size <= 0) return {};
    const QByteArray digest = QCryptographicHash::hash(
        QByteArray(reinterpret_cast<const char*>(der), size), QCryptographicHash::Sha256);
    OPENSSL_free(der);
    return digest.toHex().toStdString();
}

}  // namespace

bool MakeHostIdentity(THostIdentity& identity, std::string& problem) {
    problem = "The host's certificate could not be made.";
    TKey key(EVP_EC_gen("P-256"));
    TCertificate certificate(X509_new());
    TNumber serial(BN_new());
    if (!key || !certificate || !serial) return false;
    X509* c = certificate.get();
    // A random serial, so that two hosts' certificates never share one.
    if (X509_set_version(c, 2) != 1 ||
        BN_rand(serial.get(), 127, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) != 1 ||
        !BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(c)))
        return false;
    // A day back, for guests whose clocks run late.
    if (!X509_gmtime_adj(X509_getm_notBefore(c), -24L * 3600) ||
        !X509_gmtime_adj(X509_getm_notAfter(c), kValidSeconds) ||
        X509_set_pubkey(c, key.get()) != 1)
        return false;
    X509_NAME* name = X509_get_subject_name(c);
    const auto* commonName = reinterpret_cast<const unsigned char*>("Vaeloric Chess host");
    if (X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, commonName, -1, -1, 0) != 1 ||
        X509_set_issuer_name(c, name) != 1 || X509_sign(c, key.get(), EVP_sha256()) <= 0)
        return false;
    TBio keyText(BIO_new(BIO_s_mem()));
    TBio certificateText(BIO_new(BIO_s_mem()));
    if (!keyText || !certificateText ||
        PEM_write_bio_PrivateKey(keyText.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) !=
            1 ||
        PEM_write_bio_X509(certificateText.get(), c) != 1)
        return false;
    identity.keyPem = BioText(keyText.get());
    identity.certificatePem = BioText(certificateText.get());
    identity.fingerprint = Fingerprint(c);
    if (identity.fingerprint.empty()) return false;
    problem.clear();
    return true;
}

bool CheckHostIdentity(THostIdentity& identity) {
    TBio keyText = ReadBio(identity.keyPem);
    TBio certificateText = ReadBio(identity.certificatePem);
    if (!keyText || !certificateText) return false;
    TKey key(PEM_read_bio_PrivateKey(keyText.get(), nullptr, nullptr, nullptr));
    TCertificate certificate(PEM_read_bio_X509(certificateText.get(), nullptr, nullptr, nullptr));
    if (!key || !certificate || X509_check_private_key(certificate.get(), key.get()) != 1)
        return false;
    identity.fingerprint = Fingerprint(certificate.get());
    return !identity.fingerprint.empty();
}

bool LoadOrMakeHostIdentity(const std::string& folder, THostIdentity& identity,
                            std::string& problem) {
    const std::string keyPath = folder + "/host-key.pem";
    const std::string certificatePath = folder + "/host-certificate.pem";
    std::string keyPem, certificatePem;
    const TFileOutcome keyRead = ReadFileSafely(keyPath, kMaxPemBytes + 1, keyPem);
    const TFileOutcome certificateRead =
        ReadFileSafely(certificatePath, kMaxPemBytes + 1, certificatePem);
    const bool keyMissing =
        keyRead == TFileOutcome::Failed && !QFile::exists(QString::fromStdString(keyPath));
    const bool certificateMissing = certificateRead == TFileOutcome::Failed &&
                                    !QFile::exists(QString::fromStdString(certificatePath));
    if (keyRead == TFileOutcome::Done && certificateRead == TFileOutcome::Done) {
        identity.keyPem = keyPem;
        identity.certificatePem = certificatePem;
        if (keyPem.size() <= kMaxPemBytes && certificatePem.size() <= kMaxPemBytes &&
            CheckHostIdentity(identity))
            return true;
        problem = "The host's certificate in '" + folder +
                  "' is damaged or does not match its key; remove both files to make a new one.";
        return false;
    }
    if (!keyMissing || !certificateMissing) {
        problem = "The host's certificate in '" + folder +
                  "' cannot be read, or one of its two files is missing; remove both files to make "
                  "a new one.";
        return false;
    }
    if (!MakeHostIdentity(identity, problem)) return false;
    TWriteOptions secret;
    secret.createFolders = true;
    secret.ownerOnly = true;
    const TFileOutcome keyWritten = WriteFileSafely(keyPath, identity.keyPem, secret);
    if (keyWritten != TFileOutcome::Done) {
        problem = WriteProblemSentence(keyPath, keyWritten);
        return false;
    }
    const TFileOutcome certificateWritten =
        WriteFileSafely(certificatePath, identity.certificatePem, true);
    if (certificateWritten != TFileOutcome::Done) {
        problem = WriteProblemSentence(certificatePath, certificateWritten);
        return false;
    }
    return true;
}

std::string DefaultIdentityFolder() {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/vaeloric/network"))
        .toStdString();
}

}  // namespace vaeloric::net
