// PBKDF2 and random bytes from Windows CNG (bcrypt.dll).
#include "app/password_crypto.h"

#include <windows.h>
#include <bcrypt.h>

#include "framework/unique_handle.h"

namespace {

struct AlgorithmTraits {
    using Handle = BCRYPT_ALG_HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool IsValid(Handle h) { return h != nullptr; }
    static void Close(Handle h) { ::BCryptCloseAlgorithmProvider(h, 0); }
};
using UniqueAlgorithm = UniqueHandle<AlgorithmTraits>;

bool Succeeded(NTSTATUS status) { return status >= 0; }

}  // namespace

std::optional<std::vector<std::uint8_t>> DerivePbkdf2Sha256(std::string_view password, std::span<const std::uint8_t> salt,
                                                           std::uint32_t iterations, std::size_t length) {
    UniqueAlgorithm hmac;
    if (!Succeeded(::BCryptOpenAlgorithmProvider(hmac.put(), BCRYPT_SHA256_ALGORITHM, nullptr,
                                                 BCRYPT_ALG_HANDLE_HMAC_FLAG))) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> key(length);
    // The calls take non-const buffers but only read the password and the salt.
    auto* passwordBytes = reinterpret_cast<PUCHAR>(const_cast<char*>(password.data()));
    auto* saltBytes = const_cast<PUCHAR>(salt.data());
    if (!Succeeded(::BCryptDeriveKeyPBKDF2(hmac.get(), passwordBytes, static_cast<ULONG>(password.size()), saltBytes,
                                           static_cast<ULONG>(salt.size()), iterations, key.data(),
                                           static_cast<ULONG>(key.size()), 0))) {
        return std::nullopt;
    }
    return key;
}

std::optional<std::vector<std::uint8_t>> RandomBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    if (!Succeeded(::BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                                     BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        return std::nullopt;
    }
    return bytes;
}
