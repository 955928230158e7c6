total = 0
x = 0.5
for i in range(1, 1000001):
    total = total + i % 7
    x = x * 1.000001 + 0.25
print(total, int(x))
