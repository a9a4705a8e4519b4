#pragma once

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/car_type.h"

namespace trelvo {

class QuestionBank;

// Question kinds (type_select).
inline constexpr qint16 single_choice = 0;
inline constexpr qint16 multiple_choice = 1;
inline constexpr qint16 true_false = 2;

// "判断题", "选择题", "多选题"; empty for other values.
QString question_kind_name(qint16 kind);

// The fixed shape of an exam in one category.
struct ExamRules {
    qint16 paper_size;           // 100, or 50 for the safe-driving subject
    qint16 exam_minutes;         // 45, or 30
    qint16 points_per_question;  // 100 / paper_size
};
ExamRules exam_rules(CarType car);

// One block of a paper: `count` questions of one kind from `first_slot` on. The true/false block
// comes first and is shuffled; the others keep pool order.
struct PaperBlock {
    qint16 kind;
    int count;
    int first_slot;
    bool shuffled;
};
QList<PaperBlock> paper_blocks(CarType car);

// A composed paper and what the learner has done with it; never stored.
struct ExamPaper {
    static constexpr int slot_count = 101;
    qint16 paper_size = 0;
    std::array<qint16, slot_count> paper_ids{};
    std::array<QString, slot_count> paper_answers;
    std::array<qint16, slot_count> paper_results{};  // 0 not answered, 1 right, 2 wrong
};

// A pool that cannot fill its block.
struct PoolShortage {
    CarType car;
    qint16 kind;
    int available;
    int needed;
    QString message() const;
};

// n distinct positions out of 0 … count − 1, each equally likely, in drawing order
// (a partial Fisher–Yates shuffle). Requires 0 ≤ n ≤ count.
std::vector<int> draw_positions(int count, int n, QRandomGenerator& random);

// Puts slots first … first + k − 1 of the paper into a uniformly random order (Fisher–Yates).
void shuffle_block(ExamPaper& paper, int first, int k, QRandomGenerator& random);

// A category's pools, one per question kind (0 to 2), each in pool order.
using ExamPools = std::array<QList<qint16>, 3>;

// Composes papers from the question bank. The pools of categories 0, 1, 2 and 5 are the questions
// flagged for the category; every other category (the motorcycle) draws from the questions of its
// sequence table.
class PaperComposer final {
  public:
    PaperComposer(QuestionBank& bank, QRandomGenerator& random) : bank_(bank), random_(random) {}

    // The category's pools (ascending id, or sequence order), read in one pass over the bank.
    ExamPools read_pools(CarType car);
    QList<qint16> pool(CarType car, qint16 kind);
    // The first block whose pool is too small, if any.
    std::optional<PoolShortage> check_pools(CarType car);
    static std::optional<PoolShortage> check_pools(CarType car, const ExamPools& pools);
    // A new paper into `paper`, or the first shortage (and `paper` unchanged).
    std::optional<PoolShortage> try_compose(CarType car, ExamPaper& paper);
    std::optional<PoolShortage> try_compose(CarType car, const ExamPools& pools, ExamPaper& paper);
    // A new paper; a pool too small for its block is an error with the shortage's message.
    ExamPaper compose(CarType car);

  private:
    QuestionBank& bank_;
    QRandomGenerator& random_;
};

// Points for the answered-right slots, and the pass mark.
int exam_score(const ExamPaper& paper);
inline constexpr int pass_mark = 90;
inline bool exam_passed(int score) {
    return score >= pass_mark;
}

}  // namespace trelvo
