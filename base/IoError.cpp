// Messages of the runtime's input/output errors.
#include "base/IoError.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "base/Translation.h"

namespace base {

namespace {
constexpr int kSystemErrorBase = 1000;  // "I/O ｴﾗｰ (1000 + errno)"
}  // namespace

IoError::IoError(int code) : std::runtime_error(messageFor(code)), code_(code) {}

std::string IoError::messageFor(int code) {
    switch (code) {
        case 2:
            return translate("Errors", "ﾌｧｲﾙが見つかりません");
        case 3:
            return translate("Errors", "不正なﾌｧｲﾙ名です");
        case 5:
            return translate("Errors", "ﾌｧｲﾙへのｱｸｾｽが拒否されました");
        case 101:
            return translate("Errors", "ﾃﾞｨｽｸがいっぱいです");
        case 106:
            return translate("Errors", "入力値が数値ではありません");
        default:
            return fillIn(translate("Errors", "I/O ｴﾗｰ (%1)"), std::to_string(code));
    }
}

int IoError::codeFromErrno(int err, const std::string& path) {
    switch (err) {
        case ENOENT: {
            // A missing file in an existing folder, or a folder that is missing itself.
            const auto parent = std::filesystem::path(path).parent_path();
            std::error_code ec;
            if (parent.empty() || std::filesystem::is_directory(parent, ec)) return 2;
            return 3;
        }
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
            return 3;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return 5;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return 101;
        // Other system errors are reported by number, kept clear of the runtime codes above.
        default:
            return kSystemErrorBase + (err > 0 ? err : 0);
    }
}

}  // namespace base
