# The stage writer of the end-to-end library (e2e.sh sources it too), where the golden scripts source it from
# (bash; source it).
# shellcheck source=../lib/stage_file.sh
source "$(dirname "${BASH_SOURCE[0]}")/../lib/stage_file.sh"
