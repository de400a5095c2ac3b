#include "save_result.h"

#include "score_backup.h"

namespace troven {
namespace {

QString reason(const QString& path, SaveResult::Failure failure) {
    switch (failure) {
        case SaveResult::Failure::BackupFailed:
            return QStringLiteral("正しく読めなかった元の内容を「%1」に控えられませんでした")
                .arg(backupPath(path));
        case SaveResult::Failure::CannotCreate:
            return QStringLiteral("新しいファイルを作れませんでした");
        case SaveResult::Failure::WriteFailed:
            return QStringLiteral("書き込みに失敗しました");
        case SaveResult::Failure::CannotReplace:
            return QStringLiteral("元のファイルと置き換えられませんでした");
        case SaveResult::Failure::None:
            break;
    }
    return {};
}

}  // namespace

QString saveFailureMessage(const QString& path, const SaveResult& result) {
    if (result.ok()) return {};
    return QStringLiteral(
               "ランキングを「%1」に保存できませんでした。\n理由: %2（%3）\n"
               "「%1」は変更していません。")
        .arg(path, reason(path, result.failure), result.detail);
}

}  // namespace troven
