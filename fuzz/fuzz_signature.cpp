// Feeds arbitrary text to the signature and public key parsers and to the whole check, files
// anyone can put beside a firmware image. The check runs against one fixed key and image, whose
// real signatures seed the corpus, so that mutations reach the verification itself. Whatever
// the bytes: a parse either fails with a short one-line reason or yields fields of exactly the
// format's sizes; a key survives its own base64 form; a signature accepted for the image is one
// the parser reads, by the fixed key, with the comment it carries; and the same text always
// gets the same verdict.

#include "FuzzCheck.h"
#include "firmware/FirmwareSignature.h"
#include "firmware/PublicKey.h"
#include "firmware/SignatureCheck.h"

#include <cstdint>

namespace {

const QByteArray kImage = QByteArrayLiteral(":0400000001020304F2\r\n:00000001FF\r\n");
const QByteArray kKey = QByteArrayLiteral("RWSiumIu6lxm1AvwCcy5E1z3LMHMEQ+nsDQk2F7l5mbY6258jldaQc8I");

bool isReason(const QString &text)
{
    return !text.isEmpty() && text.size() < 400 && !text.contains(QLatin1Char('\n'));
}

void checkKey(const QByteArray &text)
{
    QString problem;
    const std::optional<PublicKey> key = PublicKey::parse(text, &problem);
    if (!key) {
        FUZZ_CHECK(isReason(problem));
        return;
    }
    FUZZ_CHECK(key->keyId().size() == 8 && key->key().size() == PublicKey::kKeySize);
    FUZZ_CHECK(key->keyIdText().size() == 16);
    QString again;
    FUZZ_CHECK(PublicKey::parse(key->toBase64(), &again) == key);
}

std::optional<FirmwareSignature> checkSignature(const QByteArray &text)
{
    QString problem;
    std::optional<FirmwareSignature> signature = FirmwareSignature::parse(text, &problem);
    if (!signature) {
        FUZZ_CHECK(isReason(problem));
        return signature;
    }
    FUZZ_CHECK(signature->keyId().size() == 8);
    FUZZ_CHECK(signature->signature().size() == FirmwareSignature::kSignatureSize);
    FUZZ_CHECK(signature->globalSignature().size() == FirmwareSignature::kSignatureSize);
    FUZZ_CHECK(!signature->trustedComment().contains('\n'));
    return signature;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    checkKey(text);
    const std::optional<FirmwareSignature> parsed = checkSignature(text);

    QString problem;
    static const PublicKey key = *PublicKey::parse(kKey, &problem);
    const SignatureCheck verdict = SignatureCheck::verify(kImage, text, {key});
    FUZZ_CHECK(verdict.isValid() == verdict.problem().isEmpty());
    if (!verdict.isValid()) {
        FUZZ_CHECK(isReason(verdict.problem()));
        FUZZ_CHECK(verdict.trustedComment().isEmpty());
    } else {
        FUZZ_CHECK(parsed && parsed->keyId() == key.keyId());
        FUZZ_CHECK(verdict.keyId() == key.keyIdText());
        FUZZ_CHECK(verdict.trustedComment().size() <= parsed->trustedComment().size());
    }
    const SignatureCheck again = SignatureCheck::verify(kImage, text, {key});
    FUZZ_CHECK(again.problem() == verdict.problem() && again.keyId() == verdict.keyId());
    return 0;
}
