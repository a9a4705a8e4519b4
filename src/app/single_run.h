#pragma once

#include <QString>

namespace trelvo {

// Keeps a second copy of the program off a bank that a running copy already uses. Each copy
// keeps its practice in memory until it saves, so the later save would overwrite the answers the
// other one saved. The claim is an advisory lock on the bank file itself (so it holds across
// users, leaves no file behind and ends with the process, even a crashed one); it is kept for
// the life of the object, which must outlive the program's bank connection.
class BankClaim final {
  public:
    explicit BankClaim(const QString& bank_path);
    ~BankClaim();
    BankClaim(const BankClaim&) = delete;
    BankClaim& operator=(const BankClaim&) = delete;

    // Another running copy has the bank. A bank this user cannot write, or cannot open at all,
    // is not claimed (opening it reports why), nor one on a network file system.
    bool held_elsewhere() const { return held_elsewhere_; }

  private:
    int fd_ = -1;
    bool held_elsewhere_ = false;
};

// What the second copy says before it ends.
QString already_running_text(const QString& bank_path);

}  // namespace trelvo
