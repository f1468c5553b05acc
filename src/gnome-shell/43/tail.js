
function init() {
    return new PointerReporter();
}
