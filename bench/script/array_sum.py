n = 1000000
a = [None] * n
for i in range(0, n):
    a[i] = i * 2
total = 0
for i in range(0, len(a)):
    total = total + a[i]
print(total)
