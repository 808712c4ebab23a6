# Entry points: `make run` starts the simulator, `make test` runs every test under the sanitizers.
RELEASE_DIR  := build/release
SANITIZE_DIR := build/sanitize
CMAKE_GEN    := -G Ninja

.PHONY: all release-config deps run test bench soak-long gallery clean

# The default target builds the Release simulator and the scenario runner.
all: release-config
	@cmake --build $(RELEASE_DIR) --target tq4sim tq4-scenario

release-config: deps
	@cmake -S . -B $(RELEASE_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null

deps:
	@scripts/install-deps

run: all
	$(RELEASE_DIR)/tq4sim

test: deps
	@cmake -S . -B $(SANITIZE_DIR) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTQ4_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: release-config
	@cmake --build $(RELEASE_DIR)
	@for b in $(RELEASE_DIR)/bench/tq4bench-*; do echo "== $$b"; $$b; done

# Ten million passes of the random soak (four seeds of 2.5 million) in the release build.
soak-long: release-config
	@cmake --build $(RELEASE_DIR) --target tq4test-soak
	TQ4_SOAK_PASSES=2500000 $(RELEASE_DIR)/tests/soak/tq4test-soak

# The pictures of docs/images: the window (offscreen, instrument running) and every screen in
# English and French, rendered by the real code.
gallery: release-config
	@cmake --build $(RELEASE_DIR) --target tq4gallery
	@mkdir -p docs/images
	QT_QPA_PLATFORM=offscreen $(RELEASE_DIR)/tq4gallery docs/images

clean:
	rm -rf build
